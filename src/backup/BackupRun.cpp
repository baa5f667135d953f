#include "backup/BackupRun.h"

#include "backup/ArchiveName.h"
#include "backup/BackupHistory.h"
#include "backup/BackupList.h"
#include "backup/FileCopy.h"
#include "backup/FolderOpener.h"
#include "backup/RunView.h"
#include "platform/Clock.h"
#include "platform/Platform.h"
#include "platform/TextTrim.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <cmath>

namespace {

const QString kNotSaved = QStringLiteral(" Sicherung abgebrochen oder Dateifehler!");
const QString kFolderNotFound = QStringLiteral("Verzeichnis nicht gefunden");

} // namespace

BackupRun::BackupRun(const Request &request, RunView &view)
    : m_request(request)
    , m_view(view)
{
}

void BackupRun::run()
{
    m_dataFolder = TextTrim::trimmed(m_request.dataFolder);
    if (m_dataFolder.isEmpty() || !QFileInfo(m_dataFolder).isDir()) {
        m_view.showError(kFolderNotFound);
        return;
    }
    m_dataFolder = BackupList::withSeparator(m_dataFolder);
    m_view.showFolders(m_dataFolder, m_request.destination);
    m_view.showProgress(0);
    m_destination = TextTrim::trimmed(m_request.destination);
    if (m_request.rows.isEmpty() || m_destination.isEmpty()) {
        m_view.showInformation(QStringLiteral("Keine Datei(en) oder kein Backupverzeichnis ausgewählt!"));
        return;
    }
    if (!ask())
        return;
    m_destination = BackupList::withSeparator(m_destination);
    m_view.showFolders(m_dataFolder, m_destination);
    if (!checkDestination())
        return;
    if (m_request.zipped ? packAll() : copyAll())
        finish();
}

bool BackupRun::ask()
{
    if (!m_request.zipped)
        return m_view.confirm(QStringLiteral("Backup starten?"));
    const std::optional<QString> name = m_view.askArchiveName(ArchiveName::preset(Platform::clock().today()));
    if (!name || TextTrim::trimmed(*name).isEmpty())
        return false;
    m_archiveName = *name;
    return true;
}

bool BackupRun::checkDestination()
{
    if (!QFileInfo(m_destination).isDir()) {
        m_view.showError(kFolderNotFound);
        return false;
    }
    if (!m_request.zipped)
        return true;
    const QString refusal = ArchiveName::refusal(m_archiveName, m_destination, m_dataFolder);
    if (!refusal.isEmpty()) {
        m_view.showError(refusal);
        return false;
    }
    m_target = m_destination + m_archiveName;
    return true;
}

bool BackupRun::goesOnPastMissing(const QString &path) const
{
    return !m_view.confirm(path + QLatin1Char(' ') + kNotSaved);
}

bool BackupRun::packAll()
{
    QList<ArchiveEntry> entries;
    QList<int> entryRows;
    for (int row = 0; row < m_request.rows.size(); ++row) {
        const QString path = TextTrim::trimmed(m_request.rows[row]);
        // An earlier archive of the same name in the list would end up inside its successor.
        if (FileCopy::sameFile(path, m_target))
            continue;
        if (!QFileInfo(path).isFile()) {
            if (goesOnPastMissing(path))
                continue;
            break;
        }
        entries.append({path, BackupList::entryName(m_dataFolder, path)});
        entryRows.append(row);
    }
    if (!entries.isEmpty() && !writeArchive(entries, entryRows))
        return false;
    m_saved = int(entries.size());
    m_view.showProgress(100);
    return true;
}

// libzip packs everything while closing the archive and gives each entry an equal share of that
// progress, so a row counts as packed once its share is done. Should the archive fail after all, its
// rows come back: nothing of them was saved.
bool BackupRun::writeArchive(const QList<ArchiveEntry> &entries, const QList<int> &entryRows)
{
    qsizetype packed = 0;
    const auto markPacked = [&](qsizetype upTo) {
        for (; packed < upTo; ++packed)
            m_view.markSaved(entryRows[packed]);
    };
    ArchiveWriter::removeLeftovers(m_destination, m_archiveName);
    const QString failure = ArchiveWriter::write(m_target, entries, [&](double done) {
        markPacked(std::min(entries.size(), qsizetype(std::floor(done * double(entries.size()) + 1e-6))));
        m_view.showProgress(int(std::lround(done * 100)));
    });
    if (failure.isEmpty()) {
        markPacked(entries.size());
        return true;
    }
    for (qsizetype i = 0; i < packed; ++i)
        m_view.unmarkSaved(entryRows[i], m_request.rows[entryRows[i]]);
    m_view.showError(QStringLiteral("Das Backup %1 konnte nicht erstellt werden.\n%2")
                         .arg(QDir::toNativeSeparators(m_target), failure));
    return false;
}

bool BackupRun::copyAll()
{
    m_target = m_destination;
    for (int row = 0; row < m_request.rows.size(); ++row) {
        const QString path = TextTrim::trimmed(m_request.rows[row]);
        if (!QFileInfo(path).isFile()) {
            if (goesOnPastMissing(path))
                continue;
            break;
        }
        if (m_view.takeStopRequest())
            break;
        if (!copyOne(row, path))
            return false;
    }
    return true;
}

// False when the target's folder cannot be made, which ends the run.
bool BackupRun::copyOne(int row, const QString &path)
{
    const QString entry = BackupList::entryName(m_dataFolder, path);
    const QString folder = m_destination + entry.left(entry.lastIndexOf(QLatin1Char('/')) + 1);
    if (!QFileInfo(folder).isDir() && !QDir().mkdir(folder)) {
        m_view.showError(
            QStringLiteral("Das Verzeichnis %1 kann nicht angelegt werden.").arg(QDir::toNativeSeparators(folder)));
        return false;
    }
    const QString target = folder + QFileInfo(path).fileName();
    const QString failure = FileCopy::sameFile(path, target)
        ? QString()
        : FileCopy::copy(path, target, [this, row](double done) { showProgress(row + done); });
    if (!failure.isEmpty() && m_firstFailure.isEmpty())
        m_firstFailure = QStringLiteral("Die Datei %1 konnte nicht nach %2 gesichert werden.\n%3")
                             .arg(QDir::toNativeSeparators(path), QDir::toNativeSeparators(target), failure);
    if (failure.isEmpty()) {
        ++m_saved;
        m_view.markSaved(row);
    }
    showProgress(row + 1);
    return true;
}

void BackupRun::showProgress(double filesDone)
{
    m_view.showProgress(int(std::lround(filesDone * 100 / double(m_request.rows.size()))));
}

void BackupRun::finish()
{
    const int unsaved = int(m_request.rows.size()) - m_saved;
    if (m_saved > 0)
        m_view.showSavedCount(m_saved);
    // A run that saved nothing because of a failure says why, as the zipped run does for its archive.
    if (m_saved == 0 && !m_firstFailure.isEmpty())
        m_view.showError(m_firstFailure);
    else if (unsaved > 0)
        m_view.showInformation(QString::number(unsaved) + kNotSaved);
    m_view.dropSavedRows();
    // A run that saved nothing wrote no archive or copy, so there is no target to show or record.
    if (m_saved == 0 && (m_request.zipped || !m_firstFailure.isEmpty()))
        return;
    m_view.showTarget(m_target);
    const QString failure
        = BackupHistory::append(m_request.historyFile, BackupHistory::line(Platform::clock().now(), m_target));
    if (!failure.isEmpty())
        m_view.showError(QStringLiteral("Die Backup-Historie %1 konnte nicht geschrieben werden.\n%2")
                             .arg(QDir::toNativeSeparators(m_request.historyFile), failure));
    m_view.openFolder(FolderOpener::folderOf(m_target));
}
