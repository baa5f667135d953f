#include "PlatformDoubles.h"
#include "platform/DesktopShell.h"
#include "platform/InstanceLock.h"

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
    OtherCopy running({QStringLiteral("hold"), doubles.places.dataFolder()});
    InstanceLock lock(doubles.places.dataFolder());
    QVERIFY(!lock.admit());
    QVERIFY(doubles.dialogs.log.isEmpty());
    QVERIFY(running.process().waitForReadyRead(5000));
    QCOMPARE(running.process().readLine(), QByteArray("front\n"));
}

void TestInstanceLock::otherDataFolderRunsBesideIt()
{
    PlatformDoubles doubles;
    OtherCopy running({QStringLiteral("hold"), doubles.places.dataFolder()});
    const QTemporaryDir otherHome;
    QCOMPARE(InstanceLock(otherHome.path() + QStringLiteral("/zettmar/")).acquire(), Outcome::Acquired);
}

void TestInstanceLock::copyThatDoesNotAnswerIsReported()
{
    PlatformDoubles doubles;
    OtherCopy hung({QStringLiteral("hold-silent"), doubles.places.dataFolder(), QStringLiteral("30000")});
    InstanceLock lock(doubles.places.dataFolder(), 300ms);
    QVERIFY(!lock.admit());
    QCOMPARE(doubles.dialogs.log.size(), 1);
    QCOMPARE(doubles.dialogs.lastText(), QStringLiteral("zettmar läuft bereits."));
}

// The killed copy leaves its lock file and its socket behind; the new holder must answer later starts.
void TestInstanceLock::lockOfAKilledCopyIsTakenOver()
{
    PlatformDoubles doubles;
    {
        OtherCopy killed({QStringLiteral("hold"), doubles.places.dataFolder()});
        killed.process().kill();
        QVERIFY(killed.process().waitForFinished(5000));
    }
    InstanceLock lock(doubles.places.dataFolder());
    QCOMPARE(lock.acquire(), Outcome::Acquired);
    QProcess laterStart;
    laterStart.start(QStringLiteral(INSTANCE_HOLDER), {});
    QTRY_COMPARE_WITH_TIMEOUT(probeResult(doubles.places), QByteArray("answered"), 10000);
    QTRY_COMPARE_WITH_TIMEOUT(laterStart.state(), QProcess::NotRunning, 30000);
}

void TestInstanceLock::startWaitsForACopyThatIsEnding()
{
    PlatformDoubles doubles;
    OtherCopy ending({QStringLiteral("hold-silent"), doubles.places.dataFolder(), QStringLiteral("700")});
    InstanceLock lock(doubles.places.dataFolder());
    QCOMPARE(lock.acquire(), Outcome::Acquired);
}

// The new copy is started while this one still runs, as the restart after a restore does before it ends.
void TestInstanceLock::restartHandsTheLockToTheNewCopy()
{
    PlatformDoubles doubles;
    InstanceLock lock(doubles.places.dataFolder(), 0ms);
    QCOMPARE(lock.acquire(), Outcome::Acquired);
    DesktopShell shell(QStringLiteral(INSTANCE_HOLDER));
    shell.beforeNewInstance = [&lock] { lock.release(); };
    QVERIFY(shell.startNewInstance());
    QTRY_COMPARE_WITH_TIMEOUT(probeResult(doubles.places), QByteArray("acquired"), 10000);
}

QTEST_GUILESS_MAIN(TestInstanceLock)
#include "TestInstanceLock.moc"
