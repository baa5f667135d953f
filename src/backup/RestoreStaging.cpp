#include "backup/RestoreStaging.h"

#include "backup/EntryPath.h"
#include "backup/FileCopy.h"
#include "backup/ZipReader.h"
#include "platform/FileReplace.h"
#include "platform/SystemReason.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

namespace {

std::optional<int> &stopAfter()
{
    static std::optional<int> moves;
    return moves;
}

QString failureOf(const QString &path, const QString &reason)
{
    return QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), reason);
}

QString entryFailure(const QString &archive, const QString &entry, const QString &reason)
{
    return failureOf(archive + QStringLiteral(" (Eintrag %1)").arg(entry), reason);
}

QStringList parentsOf(const QString &relative)
{
    QStringList parents;
    for (qsizetype slash = relative.indexOf(QLatin1Char('/')); slash > 0;
         slash = relative.indexOf(QLatin1Char('/'), slash + 1))
        parents.append(relative.left(slash));
    return parents;
}

const FileReplace::Options kOwnerOnly{QFileDevice::ReadOwner | QFileDevice::WriteOwner, std::nullopt};

} // namespace

RestoreStaging::RestoreStaging(const QString &dataFolder)
    : m_dataFolder(dataFolder)
    , m_staging(dataFolder + RestoreJournal::stagingPattern())
{
}

RestoreStaging::~RestoreStaging() = default;

void RestoreStaging::stopPlacingAfter(std::optional<int> moves)
{
    stopAfter() = moves;
}

QString RestoreStaging::setUpFailure() const
{
    if (!QFileInfo(m_dataFolder).isDir())
        return failureOf(m_dataFolder, QStringLiteral("Verzeichnis nicht gefunden"));
    if (!m_staging.isValid())
        return failureOf(m_dataFolder, SystemReason::german(m_staging.errorString()));
    if (!QFile::setPermissions(m_staging.path(),
                               QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner))
        return failureOf(m_staging.path(), QStringLiteral("Zugriff verweigert"));
    return {};
}

QString RestoreStaging::stage(const QString &chosen, const Progress &progress)
{
    if (QFileInfo(chosen).fileName().endsWith(QLatin1String(".zip")))
        return stageArchive(chosen, progress);
    return stageFile(chosen);
}

QString RestoreStaging::stageFile(const QString &chosen)
{
    const QString name = QFileInfo(chosen).fileName();
    if (FileCopy::sameFile(chosen, m_dataFolder + name))
        return {};
    const QString staged = nextStagedName();
    const QString failure = FileCopy::copy(chosen, m_staging.filePath(staged));
    if (!failure.isEmpty())
        return failureOf(chosen, failure);
    addPlacement(staged, name);
    return {};
}

QString RestoreStaging::stageArchive(const QString &chosen, const Progress &progress)
{
    const ZipReader archive(chosen);
    if (!archive.failure().isEmpty())
        return failureOf(chosen, archive.failure());
    const std::uint64_t count = archive.count();
    for (std::uint64_t index = 0; index < count; ++index) {
        QString failure;
        const std::optional<ZipReader::Entry> entry = archive.entry(index, failure);
        if (!entry)
            return failureOf(chosen, failure);
        const std::optional<QString> relative = EntryPath::below(entry->name);
        if (!relative || entry->link || passesThroughLink(*relative)) {
            if (!EntryPath::isFolder(entry->name))
                m_skipped.append(entry->name);
            continue;
        }
        // The chosen archive is only read, also when one of its entries would land on it.
        if (FileCopy::sameFile(chosen, m_dataFolder + *relative))
            continue;
        failure = stageEntry(archive, index, *entry, *relative);
        if (!failure.isEmpty())
            return entryFailure(chosen, entry->name, failure);
        if (progress)
            progress(double(index + 1) / double(count));
    }
    return {};
}

QString RestoreStaging::stageEntry(const ZipReader &archive, std::uint64_t index, const ZipReader::Entry &entry,
                                   const QString &target)
{
    FileReplace::Options options = kOwnerOnly;
    options.modified = entry.modified;
    const QString staged = nextStagedName();
    const QString failure = FileReplace::replace(
        m_staging.filePath(staged), [&](QIODevice &out) { return archive.extract(index, out); }, options);
    if (failure.isEmpty())
        addPlacement(staged, target);
    return failure;
}

// A later file of the same name wins, as it would when unpacked one after the other.
void RestoreStaging::addPlacement(const QString &staged, const QString &target)
{
    for (Placement &placement : m_placements) {
        if (placement.target == target) {
            QFile::remove(m_staging.filePath(placement.staged));
            placement.staged = staged;
            return;
        }
    }
    m_placements.append({staged, target});
}

QString RestoreStaging::nextStagedName()
{
    return QStringLiteral("neu-%1").arg(m_stagedCount++);
}

// Nothing is written through a link: a folder of the data folder that is a link could lead anywhere.
bool RestoreStaging::passesThroughLink(const QString &relative) const
{
    for (const QString &folder : parentsOf(relative)) {
        if (QFileInfo(m_dataFolder + folder).isSymLink())
            return true;
    }
    return false;
}

QString RestoreStaging::commit()
{
    QString failure = checkTargets();
    if (!failure.isEmpty())
        return failure;
    const RestoreJournal::Plan moves = plan();
    const RestoreJournal journal(m_dataFolder, m_staging.path() + QLatin1Char('/'));
    failure = journal.write(moves);
    if (!failure.isEmpty())
        return failureOf(m_staging.path(), failure);
    failure = journal.forward(moves, stopAfter());
    if (failure.isEmpty())
        return {};
    if (stopAfter()) {
        m_staging.setAutoRemove(false);
        return failure;
    }
    const QString undone = journal.backward(moves);
    // What could not be put back waits in the staging folder for the next start.
    if (!undone.isEmpty())
        m_staging.setAutoRemove(false);
    return failure;
}

// Refusals that can be told beforehand come first, so they change nothing at all.
QString RestoreStaging::checkTargets() const
{
    QSet<QString> files;
    for (const Placement &placement : m_placements)
        files.insert(placement.target);
    for (const Placement &placement : m_placements) {
        const QString path = m_dataFolder + placement.target;
        const QFileInfo target(path);
        if (target.isDir() && !target.isSymLink())
            return failureOf(path, QStringLiteral("Das Ziel ist ein Verzeichnis"));
        if (target.exists() && !target.isWritable())
            return failureOf(path, QStringLiteral("Die Datei ist schreibgeschützt"));
        for (const QString &folder : parentsOf(placement.target)) {
            if (files.contains(folder))
                return failureOf(m_dataFolder + folder,
                                 QStringLiteral("Die Sicherung enthält diesen Namen als Datei und als Verzeichnis"));
            const QFileInfo existing(m_dataFolder + folder);
            if (existing.exists() && !existing.isDir())
                return failureOf(m_dataFolder + folder, QStringLiteral("Das Ziel ist kein Verzeichnis"));
        }
    }
    return {};
}

RestoreJournal::Plan RestoreStaging::plan() const
{
    RestoreJournal::Plan plan;
    QSet<QString> folders;
    for (qsizetype i = 0; i < m_placements.size(); ++i) {
        const Placement &placement = m_placements[i];
        for (const QString &folder : parentsOf(placement.target)) {
            if (!folders.contains(folder) && !QFileInfo(m_dataFolder + folder).isDir()) {
                folders.insert(folder);
                plan.folders.append(folder);
            }
        }
        plan.moves.append({placement.target, placement.staged, QStringLiteral("alt-%1").arg(i)});
    }
    return plan;
}
