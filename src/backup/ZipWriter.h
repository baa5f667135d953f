#pragma once

#include <QString>
#include <functional>

struct zip;

// Writes a new zip archive at a path; owns libzip's handle. libzip reads the added files only while
// closing. Every failure comes back as German text, built before the handle is freed; an archive not
// closed is discarded with what it wrote.
class ZipWriter {
public:
    using Progress = std::function<void(double done)>;

    explicit ZipWriter(const QString &path);
    ~ZipWriter();
    ZipWriter(const ZipWriter &) = delete;
    ZipWriter &operator=(const ZipWriter &) = delete;

    const QString &failure() const { return m_failure; }
    // Adds a file under an entry name ("name" or "sub/name"), packed with Deflate at level.
    [[nodiscard]] QString addFile(const QString &path, const QString &name, int level);
    [[nodiscard]] QString close(const Progress &progress);

private:
    QString reason() const;

    zip *m_archive = nullptr;
    QString m_failure;
};
