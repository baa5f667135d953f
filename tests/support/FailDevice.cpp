#include "FailDevice.h"

#include "platform/SystemReason.h"

#include <QFileInfo>

#include <cerrno>
#include <cstring>

namespace {

QString diskFull()
{
    return SystemReason::german(QString::fromLocal8Bit(std::strerror(ENOSPC)));
}

class FailingSteps final : public FileReplace::Steps {
public:
    FailingSteps(std::unique_ptr<FileReplace::Steps> real, FailDevice::Injection::Step step, qint64 bytesTaken)
        : m_real(std::move(real))
        , m_step(step)
        , m_bytesTaken(bytesTaken)
    {
    }

    QString open() override
    {
        const QString failure = m_real->open();
        if (failure.isEmpty() && m_step == FailDevice::Injection::Step::Write)
            m_device = std::make_unique<FailDevice>(m_real->device(), m_bytesTaken);
        return failure;
    }

    QIODevice &device() override { return m_device ? *m_device : m_real->device(); }

    QString flush() override
    {
        const QString failure = m_real->flush();
        return failure.isEmpty() && m_step == FailDevice::Injection::Step::Flush ? diskFull() : failure;
    }

    QString setAttributes(const FileReplace::Options &options) override { return m_real->setAttributes(options); }

    QString commit() override
    {
        if (m_step == FailDevice::Injection::Step::Commit)
            return SystemReason::german(QString::fromLocal8Bit(std::strerror(EIO)));
        return m_real->commit();
    }

private:
    std::unique_ptr<FileReplace::Steps> m_real;
    std::unique_ptr<FailDevice> m_device;
    FailDevice::Injection::Step m_step;
    qint64 m_bytesTaken;
};

} // namespace

FailDevice::FailDevice(QIODevice &inner, qint64 bytesTaken)
    : m_inner(inner)
    , m_left(bytesTaken)
{
    QIODevice::open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

qint64 FailDevice::readData(char *, qint64)
{
    return -1;
}

qint64 FailDevice::writeData(const char *data, qint64 size)
{
    const qint64 taken = std::min(size, m_left);
    if (taken > 0 && m_inner.write(data, taken) != taken)
        return -1;
    m_left -= taken;
    if (taken < size) {
        setErrorString(QString::fromLocal8Bit(std::strerror(ENOSPC)));
        return taken > 0 ? taken : -1;
    }
    return size;
}

FailDevice::Injection::Injection(Step step, qint64 bytesTaken, const QString &onlyName)
{
    m_previous = FileReplace::setStepsMaker(
        [step, bytesTaken, onlyName](const QString &target) -> std::unique_ptr<FileReplace::Steps> {
            if (!onlyName.isEmpty() && QFileInfo(target).fileName() != onlyName)
                return FileReplace::realSteps(target);
            return std::make_unique<FailingSteps>(FileReplace::realSteps(target), step, bytesTaken);
        });
}

FailDevice::Injection::~Injection()
{
    FileReplace::setStepsMaker(std::move(m_previous));
}
