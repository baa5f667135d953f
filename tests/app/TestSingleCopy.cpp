#include "WindowDoubles.h"
#include "app/AppWindows.h"
#include "platform/InstanceLock.h"
#include "settings/SettingsCipher.h"

#include <QDir>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>

namespace {

// Plain settings are enciphered by every start that reads them, and a mail client found on PATH makes
// a start write them: the bytes show whether a start touched the data folder.
const QByteArray kPlainSettings = QByteArray("\r\n").repeated(10);
const QByteArray kYearFile = "Strom;;;;;;;Stadtwerke;info;;;;;DE;;;;;;;Offen\r\n";

void startProgram(QProcess &program, const TempDataFolder &places)
{
    QDir().mkpath(places.root() + QStringLiteral("/bin"));
    QFile mailClient(places.root() + QStringLiteral("/bin/thunderbird"));
    QVERIFY(mailClient.open(QIODevice::WriteOnly));
    QVERIFY(mailClient.setPermissions(QFile::ReadOwner | QFile::ExeOwner));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_DATA_HOME"), places.root());
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("PATH"), places.root() + QStringLiteral("/bin:")
                                                   + environment.value(QStringLiteral("PATH")));
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(ZETTMAR_PROGRAM), {});
    QVERIFY(program.waitForStarted());
}

} // namespace

class TestSingleCopy : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void secondStartEndsAndLeavesTheFilesAlone();
    void runningProgramAnswersALaterStart();
    void frontRequestLiftsTheMinimisedMainWindow();
};

void TestSingleCopy::secondStartEndsAndLeavesTheFilesAlone()
{
    PlatformDoubles doubles;
    doubles.places.putFile(QStringLiteral("zettmar.ini"), kPlainSettings);
    doubles.places.putFile(QStringLiteral("2024rech.csv"), kYearFile);
    InstanceLock running(doubles.places.dataFolder());
    QCOMPARE(running.acquire(), InstanceLock::Outcome::Acquired);
    const QStringList filesBefore = QDir(doubles.places.dataFolder()).entryList(QDir::Files);
    QSignalSpy frontRequests(&running, &InstanceLock::frontRequested);

    QProcess secondStart;
    startProgram(secondStart, doubles.places);
    QTRY_COMPARE_WITH_TIMEOUT(secondStart.state(), QProcess::NotRunning, 30000);
    QCOMPARE(secondStart.exitStatus(), QProcess::NormalExit);
    QCOMPARE(secondStart.exitCode(), 0);
    QCOMPARE(frontRequests.size(), 1);
    QCOMPARE(doubles.places.fileBytes(QStringLiteral("zettmar.ini")), kPlainSettings);
    QCOMPARE(doubles.places.fileBytes(QStringLiteral("2024rech.csv")), kYearFile);
    QCOMPARE(QDir(doubles.places.dataFolder()).entryList(QDir::Files), filesBefore);
}

void TestSingleCopy::runningProgramAnswersALaterStart()
{
    PlatformDoubles doubles;
    QProcess program;
    startProgram(program, doubles.places);
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(doubles.places.dataFolder() + QStringLiteral(".zettmar.lock")), 30000);
    InstanceLock laterStart(doubles.places.dataFolder());
    QCOMPARE(laterStart.acquire(), InstanceLock::Outcome::RunningCopyAnswered);
    program.kill();
    // The running copy had gone through its whole start-up: it found the mail client and wrote the settings.
    QVERIFY(program.waitForFinished());
    QCOMPARE(doubles.places.fileBytes(QStringLiteral("zettmar.ini")),
             SettingsCipher::encipher(kPlainSettings));
}

void TestSingleCopy::frontRequestLiftsTheMinimisedMainWindow()
{
    WindowDoubles doubles;
    AppWindows windows;
    QVERIFY(windows.start());
    windows.main().showMinimized();
    windows.bringToFront();
    QVERIFY(!windows.main().isMinimized());
    QVERIFY(windows.main().isVisible());
}

QTEST_MAIN(TestSingleCopy)
#include "TestSingleCopy.moc"
