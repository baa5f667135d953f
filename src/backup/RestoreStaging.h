#pragma once

#include <QList>
#include <QString>
#include <QTemporaryDir>
#include <cstdint>
#include <functional>
#include <memory>

struct zip;

// All or nothing: every chosen file and archive entry is read completely into a hidden folder of the
// data folder first, then everything is renamed into place; when a move fails, the files it replaced
// are put back. Chosen files are only read, never changed.
class RestoreStaging {
public:
    using Progress = std::function<void(double done)>;

    // dataFolder ends in "/".
    explicit RestoreStaging(const QString &dataFolder);
    ~RestoreStaging();

    // Empty when the staging folder could be made, else the reason.
    QString setUpFailure() const;
    // A file named "*.zip" (lower case) is unpacked with its entries' folders; any other file goes
    // into the data folder under its own name. Returns a failure text that names the file.
    QString stage(const QString &chosen, const Progress &progress);
    QString commit();

private:
    struct Placement {
        QString staged;
        QString target;
        QString replaced; // where the file it replaced waits, until the restore is through
        bool placed = false;
    };

    QString stageFile(const QString &chosen);
    QString stageArchive(const QString &chosen, const Progress &progress);
    QString stageEntry(zip *archive, std::uint64_t index, const QString &target);
    QString nextStagedPath();
    void addPlacement(const QString &staged, const QString &target);
    bool passesThroughLink(const QString &relative) const;
    QString checkTargets() const;
    QString createFolders();
    QString place(Placement &placement, int number);
    void rollBack();

    QString m_dataFolder;
    QTemporaryDir m_staging;
    QList<Placement> m_placements;
    QStringList m_createdFolders;
};
