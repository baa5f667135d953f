#pragma once

#include "backup/RestoreJournal.h"
#include "backup/ZipReader.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <optional>

// All or nothing: every chosen file and archive entry is read completely into a hidden folder of the
// data folder first (owner-only, it holds the settings), then a journal of the moves is written there
// and everything is renamed into place; when a move fails, the files it replaced are put back, and when
// the program dies meanwhile, the next start does it (RestoreJournal). Chosen files are only read.
class RestoreStaging {
public:
    using Progress = std::function<void(double done)>;

    // dataFolder ends in "/".
    explicit RestoreStaging(const QString &dataFolder);
    ~RestoreStaging();

    // Empty when the staging folder could be made, else the reason.
    [[nodiscard]] QString setUpFailure() const;
    // A file named "*.zip" (lower case) is unpacked with its entries' folders; any other file goes
    // into the data folder under its own name. Returns a failure text that names the file.
    [[nodiscard]] QString stage(const QString &chosen, const Progress &progress);
    [[nodiscard]] QString commit();
    // Entries left out because they could lead outside the data folder: absolute, "..", empty parts, links.
    const QStringList &skipped() const { return m_skipped; }

    // For tests: the placing stops after this many moves and leaves everything as a kill would.
    static void stopPlacingAfter(std::optional<int> moves);

private:
    struct Placement {
        QString staged; // name in the staging folder
        QString target; // below the data folder
    };

    QString stageFile(const QString &chosen);
    QString stageArchive(const QString &chosen, const Progress &progress);
    QString stageEntry(const ZipReader &archive, std::uint64_t index, const ZipReader::Entry &entry,
                       const QString &target);
    QString nextStagedName();
    void addPlacement(const QString &staged, const QString &target);
    bool passesThroughLink(const QString &relative) const;
    QString checkTargets() const;
    RestoreJournal::Plan plan() const;

    QString m_dataFolder;
    QTemporaryDir m_staging;
    QList<Placement> m_placements;
    QStringList m_skipped;
    int m_stagedCount = 0;
};
