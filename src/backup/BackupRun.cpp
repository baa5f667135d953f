#include "backup/BackupRun.h"

#include "backup/ArchiveName.h"
#include "backup/BackupHistory.h"
#include "backup/BackupList.h"
#include "backup/FileCopy.h"
#include "backup/FolderOpener.h"
#include "backup/RunView.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/Platform.h"
#include "platform/TextTrim.h"

#include <QDir>
#include <QFileInfo>
#include <cmath>

namespace {

const QString kNotSaved = QStringLiteral(" Sicherung abgebrochen oder Dateifehler!");
const QString kFolderNotFound = QStringLiteral("Verzeichnis nicht gefunden");

void error(const QString &text)
{
    Platform::dialogs().notice(Dialogs::NoticeKind::Error, text);
}

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
        error(kFolderNotFound);
        return;
    }
    m_dataFolder = BackupList::withSeparator(m_dataFolder);
    m_view.showFolders(m_dataFolder, m_request.destination);
    m_view.showProgress(0);
    m_destination = TextTrim::trimmed(m_request.destination);
    if (m_request.rows.isEmpty() || m_destination.isEmpty()) {
        Platform::dialogs().notice(Dialogs::NoticeKind::Information,
                                   QStringLiteral("Keine Datei(en) oder kein Backupverzeichnis ausgewählt!"));
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
        return Platform::dialogs().notice(Dialogs::NoticeKind::Confirmation, QStringLiteral("Backup starten?"));
    const std::optional<QString> name = Platform::dialogs().inputLine(
        QStringLiteral("Backup"), QStringLiteral("Dateiname"), ArchiveName::preset(Platform::clock().today()));
    if (!name || TextTrim::trimmed(*name).isEmpty())
        return false;
    m_archiveName = *name;
    return true;
}

bool BackupRun::checkDestination()
{
    if (!QFileInfo(m_destination).isDir()) {
        error(kFolderNotFound);
        return false;
    }
    if (!m_request.zipped)
        return true;
    const QString refusal = ArchiveName::refusal(m_archiveName, m_destination, m_dataFolder);
    if (!refusal.isEmpty()) {
        error(refusal);
        return false;
    }
    m_target = m_destination + m_archiveName;
    return true;
}

bool BackupRun::goesOnPastMissing(const QString &path) const
{
    return !Platform::dialogs().notice(Dialogs::NoticeKind::Confirmation, path + QLatin1Char(' ') + kNotSaved);
}

// libzip packs everything while closing the archive, so the rows count as saved only once it is complete.
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
    if (!entries.isEmpty()) {
        const QString failure = ArchiveWriter::write(m_target, entries, [this](double done) {
            m_view.showProgress(int(std::lround(done * 100)));
        });
        if (!failure.isEmpty()) {
            error(QStringLiteral("Das Backup %1 konnte nicht erstellt werden.\n%2")
                      .arg(QDir::toNativeSeparators(m_target), failure));
            return false;
        }
    }
    for (const int row : entryRows)
        m_view.markSaved(row);
    m_saved = int(entries.size());
    m_view.showProgress(100);
    return true;
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
        error(QStringLiteral("Das Verzeichnis %1 kann nicht angelegt werden.").arg(QDir::toNativeSeparators(folder)));
        return false;
    }
    const QString target = folder + QFileInfo(path).fileName();
    const bool copied = FileCopy::sameFile(path, target) ||
                        FileCopy::copy(path, target, [this, row](double done) { showProgress(row + done); }).isEmpty();
    if (copied) {
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
    if (unsaved > 0)
        Platform::dialogs().notice(Dialogs::NoticeKind::Information, QString::number(unsaved) + kNotSaved);
    m_view.dropSavedRows();
    // A zipped run that packed nothing wrote no archive, so there is no target to show or record.
    if (m_request.zipped && m_saved == 0)
        return;
    m_view.showTarget(m_target);
    const QString failure =
        BackupHistory::append(m_request.historyFile, BackupHistory::line(Platform::clock().now(), m_target));
    if (!failure.isEmpty())
        error(QStringLiteral("Die Backup-Historie %1 konnte nicht geschrieben werden.\n%2")
                  .arg(QDir::toNativeSeparators(m_request.historyFile), failure));
    FolderOpener::open(FolderOpener::folderOf(m_target));
}
