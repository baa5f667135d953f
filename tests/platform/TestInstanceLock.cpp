#include "PlatformDoubles.h"
#include "platform/DesktopShell.h"
#include "platform/InstanceLock.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace std::chrono_literals;
using Outcome = InstanceLock::Outcome;

namespace {

// Another copy, running until it is killed or ends by itself; its output tells what it did.
class OtherCopy {
public:
    explicit OtherCopy(const QStringList &arguments)
    {
        m_process.start(QStringLiteral(INSTANCE_HOLDER), arguments);
        QVERIFY(m_process.waitForReadyRead(10000));
        QCOMPARE(m_process.readLine(), QByteArray("held\n"));
    }
    ~OtherCopy()
    {
        m_process.kill();
        m_process.waitForFinished();
    }
    QProcess &process() { return m_process; }

private:
    QProcess m_process;
};

// The data folder as the start leaves it for the lock: made.
QString madeDataFolder(const PlatformDoubles &doubles)
{
    const QString folder = doubles.places.dataFolder();
    QDir().mkpath(folder);
    return folder;
}

QByteArray probeResult(const TempDataFolder &places)
{
    return places.fileBytes(QStringLiteral("probe"));
}

} // namespace

class TestInstanceLock : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void laterStartBringsTheRunningCopyForward();
    void otherDataFolderRunsBesideIt();
    void copyThatDoesNotAnswerIsReported();
    void lockOfAKilledCopyIsTakenOver();
    void startWaitsForACopyThatIsEnding();
    void restartHandsTheLockToTheNewCopy();
};

void TestInstanceLock::laterStartBringsTheRunningCopyForward()
{
    PlatformDoubles doubles;
    OtherCopy running({QStringLiteral("hold"), madeDataFolder(doubles)});
    InstanceLock lock(madeDataFolder(doubles));
    QVERIFY(!lock.admit());
    QVERIFY(doubles.dialogs.log.isEmpty());
    QVERIFY(running.process().waitForReadyRead(5000));
    QCOMPARE(running.process().readLine(), QByteArray("front\n"));
}

void TestInstanceLock::otherDataFolderRunsBesideIt()
{
    PlatformDoubles doubles;
    OtherCopy running({QStringLiteral("hold"), madeDataFolder(doubles)});
    const QTemporaryDir otherDataFolder;
    QCOMPARE(InstanceLock(otherDataFolder.path() + u'/').acquire(), Outcome::Acquired);
}

void TestInstanceLock::copyThatDoesNotAnswerIsReported()
{
    PlatformDoubles doubles;
    OtherCopy hung({QStringLiteral("hold-silent"), madeDataFolder(doubles), QStringLiteral("30000")});
    InstanceLock lock(madeDataFolder(doubles), 300ms);
    QVERIFY(!lock.admit());
    QCOMPARE(doubles.dialogs.log.size(), 1);
    QCOMPARE(doubles.dialogs.lastText(), QStringLiteral("zettmar läuft bereits."));
}

// The killed copy leaves its lock file and its socket behind; the new holder must answer later starts.
void TestInstanceLock::lockOfAKilledCopyIsTakenOver()
{
    PlatformDoubles doubles;
    {
        OtherCopy killed({QStringLiteral("hold"), madeDataFolder(doubles)});
        killed.process().kill();
        QVERIFY(killed.process().waitForFinished(5000));
    }
    InstanceLock lock(madeDataFolder(doubles));
    QCOMPARE(lock.acquire(), Outcome::Acquired);
    QProcess laterStart;
    laterStart.start(QStringLiteral(INSTANCE_HOLDER), {});
    QTRY_COMPARE_WITH_TIMEOUT(probeResult(doubles.places), QByteArray("answered"), 10000);
    QTRY_COMPARE_WITH_TIMEOUT(laterStart.state(), QProcess::NotRunning, 30000);
}

void TestInstanceLock::startWaitsForACopyThatIsEnding()
{
    PlatformDoubles doubles;
    OtherCopy ending({QStringLiteral("hold-silent"), madeDataFolder(doubles), QStringLiteral("700")});
    InstanceLock lock(madeDataFolder(doubles));
    QCOMPARE(lock.acquire(), Outcome::Acquired);
}

// The new copy is started while this one still runs, as the restart after a restore does before it ends.
void TestInstanceLock::restartHandsTheLockToTheNewCopy()
{
    PlatformDoubles doubles;
    InstanceLock lock(madeDataFolder(doubles), 0ms);
    QCOMPARE(lock.acquire(), Outcome::Acquired);
    DesktopShell shell(QStringLiteral(INSTANCE_HOLDER));
    shell.beforeNewInstance = [&lock] { lock.release(); };
    QVERIFY(shell.startNewInstance());
    QTRY_COMPARE_WITH_TIMEOUT(probeResult(doubles.places), QByteArray("acquired"), 10000);
}

QTEST_GUILESS_MAIN(TestInstanceLock)
#include "TestInstanceLock.moc"
