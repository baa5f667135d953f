#include "platform/InstanceLock.h"

#include "platform/Dialogs.h"
#include "platform/Platform.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>

namespace {

const QByteArray kFrontRequest = "front\n";
const QByteArray kFrontAnswer = "ok\n";
constexpr int kSocketWait = 500; // ms; a running copy answers from its event loop well within this
constexpr int kRetryPause = 100; // ms

// In the user's runtime folder, which nobody else can write, so no other account can answer for us.
// The name follows the folder's real path, so two spellings of one folder meet on one socket.
QString serverNameFor(const QString &dataFolder)
{
    const QByteArray folder = QDir(dataFolder).canonicalPath().toUtf8();
    const QByteArray hash = QCryptographicHash::hash(folder, QCryptographicHash::Sha256).toHex().left(16);
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) + QStringLiteral("/zettmar-")
        + QString::fromLatin1(hash);
}

} // namespace

InstanceLock::InstanceLock(const QString &dataFolder, std::chrono::milliseconds handOverWait)
    : m_dataFolder(dataFolder)
    // Hidden, so a backup of the data folder leaves it out: a restored lock would name another process.
    , m_lockFile(dataFolder + QStringLiteral(".zettmar.lock"))
    , m_handOverWait(handOverWait)
{
}

InstanceLock::~InstanceLock() = default;

InstanceLock::Outcome InstanceLock::acquire()
{
    m_serverName = serverNameFor(m_dataFolder);
    const QDeadlineTimer deadline(m_handOverWait);
    for (;;) {
        const FileLock::Outcome locked = m_lockFile.tryLock();
        if (locked == FileLock::Outcome::Locked) {
            listen();
            return Outcome::Acquired;
        }
        if (locked == FileLock::Outcome::Unavailable)
            return Outcome::Unguarded;
        if (askRunningCopyToFront())
            return Outcome::RunningCopyAnswered;
        if (deadline.hasExpired())
            return Outcome::RunningCopySilent;
        QThread::msleep(kRetryPause);
    }
}

bool InstanceLock::admit()
{
    switch (acquire()) {
    case Outcome::Acquired:
    case Outcome::Unguarded: return true;
    case Outcome::RunningCopyAnswered: return false;
    case Outcome::RunningCopySilent:
        Platform::dialogs().notice(Dialogs::NoticeKind::Information, QStringLiteral("zettmar läuft bereits."));
        return false;
    }
    return false;
}

void InstanceLock::release()
{
    if (m_server)
        m_server->close();
    m_lockFile.unlock();
}

bool InstanceLock::askRunningCopyToFront() const
{
    QLocalSocket socket;
    socket.connectToServer(m_serverName);
    if (!socket.waitForConnected(kSocketWait))
        return false;
    socket.write(kFrontRequest);
    if (!socket.waitForBytesWritten(kSocketWait))
        return false;
    while (socket.bytesAvailable() < kFrontAnswer.size()) {
        if (!socket.waitForReadyRead(kSocketWait))
            return false;
    }
    return socket.readAll() == kFrontAnswer;
}

// Holding the lock, this copy owns the name: a socket file left by a killed copy is cleared first.
void InstanceLock::listen()
{
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    QLocalServer::removeServer(m_serverName);
    connect(m_server, &QLocalServer::newConnection, this, &InstanceLock::answerFrontRequest);
    m_server->listen(m_serverName);
}

void InstanceLock::answerFrontRequest()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (socket->bytesAvailable() < kFrontRequest.size())
                return;
            if (socket->readAll() != kFrontRequest) {
                socket->abort();
                return;
            }
            socket->write(kFrontAnswer);
            socket->flush();
            Q_EMIT frontRequested();
        });
    }
}
