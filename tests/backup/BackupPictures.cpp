#include "BackupPictures.h"

#include "WindowDoubles.h"
#include "backup/TFormBackup.h"
#include "backup/TFormHistory.h"
#include "backup/TFormRestInf.h"

#include <QCheckBox>
#include <QDir>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace {

void putLargeFile(const QString &path, char fill)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(QByteArray(4 << 20, fill));
}

// Grabs the window once the first file of the run is saved, while the others are still to come.
void grabDuringRun(QDialog &window, const QString &picture)
{
    auto *list = window.findChild<QListWidget *>(QStringLiteral("ListBox1"));
    QTimer whileRunning;
    QObject::connect(&whileRunning, &QTimer::timeout, [&] {
        if (list->count() > 0 && list->item(0)->text() == QLatin1String("  ")) {
            whileRunning.stop();
            window.grab().save(picture);
        }
    });
    whileRunning.start(0);
    window.findChild<QToolButton *>(QStringLiteral("ToolButton6"))->click();
}

// A restore of a file that is no archive fails after the list was emptied; grabbed while it runs and after.
void grabFailedRestore(WindowDoubles &doubles, QDialog &window, const QString &notArchive, const QString &folder)
{
    doubles.dialogs.answers.enqueue(true);
    doubles.dialogs.fileLists.enqueue({notArchive});
    QTimer whileRunning;
    whileRunning.setSingleShot(true);
    QObject::connect(&whileRunning, &QTimer::timeout,
                     [&] { window.grab().save(folder + QStringLiteral("/backup-restore-run.png")); });
    whileRunning.start(0);
    window.findChild<QToolButton *>(QStringLiteral("ButtonRestore"))->click();
    window.grab().save(folder + QStringLiteral("/backup-restore-failed.png"));
}

} // namespace

void BackupPictures::save(WindowDoubles &doubles, TFormBackup &backup, QWidget &main, const QString &folder)
{
    const QString data = doubles.places.dataFolder();
    for (const char *name : {"2023rech.csv", "2024rech.csv", "zettmar.ini", "docs/Rechnung Müller.pdf", "docs/scan.pdf"})
        putLargeFile(data + QString::fromUtf8(name), 'x');
    QTemporaryDir destination;
    backup.IniPath = data;
    backup.DataPfad = data;
    backup.BackupDir = destination.path();
    doubles.dialogs.answers.enqueue(true);
    doubles.dialogs.windowHandlers.enqueue([&](QDialog &window) {
        window.findChild<QCheckBox *>(QStringLiteral("CheckBox1"))->setChecked(false);
        grabDuringRun(window, folder + QStringLiteral("/backup-run.png"));
        window.grab().save(folder + QStringLiteral("/backup-done.png"));
        window.close();
    });
    Platform::dialogs().exec(backup);
    doubles.dialogs.inputs.enqueue(QStringLiteral("rechbackup20240315.zip"));
    doubles.dialogs.windowHandlers.enqueue([&](QDialog &window) {
        window.findChild<QCheckBox *>(QStringLiteral("CheckBox1"))->setChecked(true);
        grabDuringRun(window, folder + QStringLiteral("/backup-zip-run.png"));
        grabFailedRestore(doubles, window, data + QStringLiteral("2024rech.csv.zip"), folder);
        window.close();
    });
    putLargeFile(data + QStringLiteral("2024rech.csv.zip"), 'z');
    Platform::dialogs().exec(backup);

    TFormHistory history;
    history.HistDatei = data + QStringLiteral("backhist.dat");
    history.setStatusText(QStringLiteral("15.03.2024"));
    history.show();
    QTest::qWait(50);
    history.grab().save(folder + QStringLiteral("/history.png"));
    history.hide();

    TFormRestInf notice(main);
    notice.show();
    QTest::qWait(50);
    notice.grab().save(folder + QStringLiteral("/restore-notice.png"));
    notice.hide();
}
