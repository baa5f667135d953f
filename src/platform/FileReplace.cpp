#include "platform/FileReplace.h"

#include "platform/SystemReason.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString reasonOf(int error)
{
    return SystemReason::german(QString::fromLocal8Bit(std::strerror(error)));
}

mode_t modeOf(QFileDevice::Permissions permissions)
{
    static constexpr std::pair<QFileDevice::Permission, mode_t> kBits[] = {
        {QFileDevice::ReadOwner, S_IRUSR}, {QFileDevice::WriteOwner, S_IWUSR}, {QFileDevice::ExeOwner, S_IXUSR},
        {QFileDevice::ReadGroup, S_IRGRP}, {QFileDevice::WriteGroup, S_IWGRP}, {QFileDevice::ExeGroup, S_IXGRP},
        {QFileDevice::ReadOther, S_IROTH}, {QFileDevice::WriteOther, S_IWOTH}, {QFileDevice::ExeOther, S_IXOTH},
    };
    mode_t mode = 0;
    for (const auto &[permission, bit] : kBits) {
        if (permissions.testFlag(permission))
            mode |= bit;
    }
    return mode;
}

// A replaced file keeps its mode; a new one is the owner's alone until asked otherwise.
mode_t modeFor(const QByteArray &target, const FileReplace::Options &options)
{
    if (options.permissions)
        return modeOf(*options.permissions);
    struct stat existing { };
    if (::stat(target.constData(), &existing) == 0)
        return existing.st_mode & 07777;
    return S_IRUSR | S_IWUSR;
}

// After a rename the folder's entry must reach the disk too; some file systems cannot sync a folder,
// and the new file is in place by then either way.
void syncFolderOf(const QByteArray &path)
{
    const QByteArray folder = QFile::encodeName(QFileInfo(QFile::decodeName(path)).absolutePath());
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    static_cast<void>(::fsync(fd));
    ::close(fd);
}

QString applyAttributes(int fd, const QByteArray &target, const FileReplace::Options &options)
{
    if (::fchmod(fd, modeFor(target, options)) != 0)
        return reasonOf(errno);
    if (options.modified) {
        const qint64 msecs = options.modified->toMSecsSinceEpoch();
        const timespec times[2] = {{0, UTIME_OMIT}, {msecs / 1000, (msecs % 1000) * 1000000}};
        if (::futimens(fd, times) != 0)
            return reasonOf(errno);
    }
    return {};
}

// Writes straight to the descriptor, so a failure comes with the system's own reason at once, not
// later out of a buffer with none.
class DescriptorDevice final : public QIODevice {
public:
    explicit DescriptorDevice(int fd)
        : m_fd(fd)
    {
        QIODevice::open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    }

protected:
    qint64 readData(char *, qint64) override { return -1; }

    qint64 writeData(const char *data, qint64 size) override
    {
        qint64 done = 0;
        while (done < size) {
            const ssize_t written = ::write(m_fd, data + done, size_t(size - done));
            if (written < 0 && errno == EINTR)
                continue;
            if (written <= 0) {
                setErrorString(written < 0 ? reasonOf(errno) : reasonOf(ENOSPC));
                return -1;
            }
            done += written;
        }
        return done;
    }

private:
    int m_fd;
};

class TemporaryBeside final : public FileReplace::Steps {
public:
    explicit TemporaryBeside(const QString &target)
        : m_target(QFile::encodeName(target))
    {
    }

    ~TemporaryBeside() override
    {
        if (m_fd >= 0)
            ::close(m_fd);
        if (!m_temporary.isEmpty())
            ::unlink(m_temporary.constData());
    }

    QString open() override
    {
        QByteArray name = m_target + ".XXXXXX";
        m_fd = ::mkostemp(name.data(), O_CLOEXEC);
        if (m_fd < 0)
            return reasonOf(errno);
        m_temporary = name;
        m_device = std::make_unique<DescriptorDevice>(m_fd);
        return {};
    }

    QIODevice &device() override { return *m_device; }

    QString flush() override
    {
        if (::fdatasync(m_fd) != 0)
            return reasonOf(errno);
        return {};
    }

    QString setAttributes(const FileReplace::Options &options) override
    {
        return applyAttributes(m_fd, m_target, options);
    }

    QString commit() override
    {
        const int fd = std::exchange(m_fd, -1);
        if (::close(fd) != 0)
            return reasonOf(errno);
        if (::rename(m_temporary.constData(), m_target.constData()) != 0)
            return reasonOf(errno);
        m_temporary.clear();
        syncFolderOf(m_target);
        return {};
    }

private:
    QByteArray m_target;
    QByteArray m_temporary;
    int m_fd = -1;
    std::unique_ptr<DescriptorDevice> m_device;
};

FileReplace::StepsMaker &stepsMaker()
{
    static FileReplace::StepsMaker maker = &FileReplace::realSteps;
    return maker;
}

// One rename and the sync of the folder that makes it last; flags as renameat2 takes them.
QString renamed(const QString &from, const QString &to, unsigned int flags)
{
    const QByteArray target = QFile::encodeName(to);
    if (::renameat2(AT_FDCWD, QFile::encodeName(from).constData(), AT_FDCWD, target.constData(), flags) != 0)
        return reasonOf(errno);
    syncFolderOf(target);
    return {};
}

} // namespace

QString FileReplace::replace(const QString &path, const std::function<QString(QIODevice &)> &fill,
                             const Options &options)
{
    const std::unique_ptr<Steps> steps = stepsMaker()(path);
    QString failure = steps->open();
    if (failure.isEmpty())
        failure = fill(steps->device());
    if (failure.isEmpty())
        failure = steps->flush();
    if (failure.isEmpty())
        failure = steps->setAttributes(options);
    if (failure.isEmpty())
        failure = steps->commit();
    return failure;
}

QString FileReplace::replace(const QString &path, const QByteArray &bytes, const Options &options)
{
    return replace(
        path,
        [&bytes](QIODevice &device) {
            return device.write(bytes) == bytes.size() ? QString() : SystemReason::german(device.errorString());
        },
        options);
}

QString FileReplace::move(const QString &from, const QString &to)
{
    return renamed(from, to, 0);
}

QString FileReplace::moveToNewName(const QString &from, const QString &to)
{
    return renamed(from, to, RENAME_NOREPLACE);
}

QString FileReplace::moveInto(const QString &complete, const QString &target, const Options &options)
{
    const int fd = ::open(QFile::encodeName(complete).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return reasonOf(errno);
    QString failure = applyAttributes(fd, QFile::encodeName(target), options);
    if (failure.isEmpty() && ::fsync(fd) != 0)
        failure = reasonOf(errno);
    ::close(fd);
    return failure.isEmpty() ? move(complete, target) : failure;
}

bool FileReplace::isLeftoverOf(const QString &fileName, const QString &targetName)
{
    static const QRegularExpression kSuffix(QStringLiteral("^\\.[A-Za-z0-9]{6}$"));
    return fileName.size() == targetName.size() + 7 && fileName.startsWith(targetName)
        && kSuffix.match(QStringView(fileName).sliced(targetName.size())).hasMatch();
}

std::unique_ptr<FileReplace::Steps> FileReplace::realSteps(const QString &target)
{
    return std::make_unique<TemporaryBeside>(target);
}

FileReplace::StepsMaker FileReplace::setStepsMaker(StepsMaker maker)
{
    return std::exchange(stepsMaker(), std::move(maker));
}
