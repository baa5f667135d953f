#include "backup/RestoreRun.h"

#include "backup/BackupList.h"
#include "backup/RestoreStaging.h"
#include "backup/RunView.h"
#include "platform/TextTrim.h"

#include <QFile>
#include <cmath>

RestoreRun::Outcome RestoreRun::run(const QString &dataFolderField, const QString &destinationField, RunView &view)
{
    const QString dataFolder = TextTrim::trimmed(dataFolderField);
    if (dataFolder.isEmpty()) {
        view.showError(QStringLiteral("Bitte das Datenverzeichnis angeben"));
        return {};
    }
    const QString destination = TextTrim::trimmed(destinationField);
    if (destination.isEmpty()) {
        view.showError(QStringLiteral("Bitte das Backupverzeichnis angeben"));
        return {};
    }
    view.clearRows();
    if (!view.confirmRestore())
        return {};
    const QStringList chosen = view.chooseBackupFiles(BackupList::withSeparator(destination));
    if (chosen.isEmpty())
        return {};
    return restore(BackupList::withSeparator(dataFolder), chosen, view);
}

QString RestoreRun::skippedNotice(const QStringList &skipped)
{
    if (skipped.isEmpty())
        return {};
    const QString count = skipped.size() == 1 ? QStringLiteral("1 Eintrag wurde")
                                              : QStringLiteral("%1 Einträge wurden").arg(skipped.size());
    return count + QStringLiteral(" aus Sicherheitsgründen übersprungen: ") + skipped.join(QStringLiteral(", "));
}

RestoreRun::Outcome RestoreRun::restore(const QString &dataFolder, const QStringList &chosen, RunView &view)
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
        view.showError(
            QStringLiteral("Die Daten wurden nicht wiederhergestellt; das Datenverzeichnis ist unverändert.\n")
            + failure);
        return {};
    }
    QFile::remove(dataFolder + QStringLiteral("tmp.acc"));
    return {true, staging.skipped()};
}
