#pragma once

#include <QDateTime>
#include <QString>
#include <cstdint>
#include <optional>

class QIODevice;
struct zip;

// Reads a zip archive; owns libzip's handle. Every failure comes back as German text, built while the
// handle that knows the reason still exists.
class ZipReader {
public:
    struct Entry {
        QString name;
        bool link = false; // made on Unix as a symbolic link
        std::optional<QDateTime> modified;
    };

    // Opens with a consistency check; failure() tells why it could not.
    explicit ZipReader(const QString &path);
    ~ZipReader();
    ZipReader(const ZipReader &) = delete;
    ZipReader &operator=(const ZipReader &) = delete;

    const QString &failure() const { return m_failure; }
    std::uint64_t count() const;
    // The entry's name and kind, or nothing with failure set, also for a name that is not valid UTF-8
    // (code page 437 names, the ZIP rule without the UTF-8 flag, come as UTF-8).
    std::optional<Entry> entry(std::uint64_t index, QString &failure) const;
    // Writes the entry's content whole into out, checked against the size the archive gives.
    [[nodiscard]] QString extract(std::uint64_t index, QIODevice &out) const;

private:
    zip *m_archive = nullptr;
    QString m_failure;
};
