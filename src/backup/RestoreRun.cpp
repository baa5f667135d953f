#include "backup/RestoreRun.h"

#include "backup/BackupList.h"
#include "backup/RestoreStaging.h"
#include "backup/RunView.h"
#include "platform/Dialogs.h"
#include "platform/Platform.h"
#include "platform/TextTrim.h"

#include <QFile>
#include <cmath>

namespace {

void error(const QString &text)
{
    Platform::dialogs().notice(Dialogs::NoticeKind::Error, text);
}

void failed(const QString &reason)
{
    error(QStringLiteral("Die Daten wurden nicht wiederhergestellt; das Datenverzeichnis ist unverändert.\n") + reason);
}

} // namespace

bool RestoreRun::run(const QString &dataFolderField, const QString &destinationField, RunView &view)
{
    const QString dataFolder = TextTrim::trimmed(dataFolderField);
    if (dataFolder.isEmpty()) {
        error(QStringLiteral("Bitte das Datenverzeichnis angeben"));
        return false;
    }
    const QString destination = TextTrim::trimmed(destinationField);
    if (destination.isEmpty()) {
        error(QStringLiteral("Bitte das Backupverzeichnis angeben"));
        return false;
    }
    view.clearRows();
    if (!Platform::dialogs().captionedQuestion(
            QStringLiteral("Velquarin"),
            QStringLiteral("Vorhandene Daten werden beim Zurücksichern überschrieben. "
                           "Wollen Sie den Vorgang fortsetzen?")))
        return false;
    const QStringList chosen = Platform::dialogs().openFiles(QStringLiteral("Öffnen"), QStringLiteral("Alle (*)"),
                                                             BackupList::withSeparator(destination));
    if (chosen.isEmpty())
        return false;
    return restore(BackupList::withSeparator(dataFolder), chosen, view);
}

bool RestoreRun::restore(const QString &dataFolder, const QStringList &chosen, RunView &view)
{
    RestoreStaging staging(dataFolder);
    QString failure = staging.setUpFailure();
    const double count = double(chosen.size());
    for (qsizetype i = 0; failure.isEmpty() && i < chosen.size(); ++i) {
        failure = staging.stage(chosen[i], [&view, i, count](double done) {
            view.showProgress(int(std::lround((double(i) + done) * 100 / count)));
        });
        view.showProgress(int(std::lround(double(i + 1) * 100 / count)));
    }
    if (failure.isEmpty())
        failure = staging.commit();
    if (!failure.isEmpty()) {
        failed(failure);
        return false;
    }
    QFile::remove(dataFolder + QStringLiteral("tmp.acc"));
    return true;
}
