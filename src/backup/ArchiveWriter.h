#pragma once

#include <QList>
#include <QString>
#include <functional>

struct ArchiveEntry {
    QString path; // the file to pack
    QString name; // its entry name, "name" or "sub/name"
};

// Packs files into a zip archive with Deflate. The archive is written to a temporary file beside its
// target, read back and renamed over it when complete and on the disk, so an earlier archive of that
// name stays whole until then and a failed run leaves nothing behind. Archives are the owner's alone:
// they hold the settings file.
class ArchiveWriter {
public:
    // Called with the share of the packing done (0 to 1), also within large files.
    using Progress = std::function<void(double done)>;
    // Within a percent of level 6's size on text, and clearly faster on the scans that fill a data folder.
    static constexpr int kLevel = 5;

    // Returns the reason of a failure, empty on success.
    [[nodiscard]] static QString write(const QString &archivePath, const QList<ArchiveEntry> &entries,
                                       const Progress &progress);
    // What a run that was killed left in the folder.
    static void removeLeftovers(const QString &folder, const QString &archiveName);
};
