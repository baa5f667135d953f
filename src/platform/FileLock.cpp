#include "platform/FileLock.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

FileLock::FileLock(const QString &path)
    : m_path(path)
{
}

FileLock::~FileLock()
{
    unlock();
}

// Close-on-exec, so a program started from here (the restart after a restore) does not hold it too.
FileLock::Outcome FileLock::tryLock()
{
    if (m_descriptor >= 0)
        return Outcome::Locked;
    const int descriptor = ::open(QFile::encodeName(m_path).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (descriptor < 0)
        return Outcome::Unavailable;
    if (::flock(descriptor, LOCK_EX | LOCK_NB) != 0) {
        const bool held = errno == EWOULDBLOCK;
        ::close(descriptor);
        return held ? Outcome::HeldElsewhere : Outcome::Unavailable;
    }
    m_descriptor = descriptor;
    return Outcome::Locked;
}

void FileLock::unlock()
{
    if (m_descriptor < 0)
        return;
    ::close(m_descriptor);
    m_descriptor = -1;
}
