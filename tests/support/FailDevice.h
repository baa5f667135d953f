#pragma once

#include "platform/FileReplace.h"

#include <QIODevice>
#include <memory>

// A device that takes a given number of bytes into another one and fails every write after them, as a
// full disk does.
class FailDevice final : public QIODevice {
public:
    FailDevice(QIODevice &inner, qint64 bytesTaken);

    // While it lives, every replacement through FileReplace fails at its step, or only those of files
    // named onlyName: the real steps run around it, so what is left on disk is what a real failure leaves.
    class Injection {
    public:
        enum class Step { Write, Flush, Commit };
        explicit Injection(Step step, qint64 bytesTaken = 0, const QString &onlyName = {});
        ~Injection();
        Injection(const Injection &) = delete;
        Injection &operator=(const Injection &) = delete;

    private:
        FileReplace::StepsMaker m_previous;
    };

protected:
    qint64 readData(char *data, qint64 maxSize) override;
    qint64 writeData(const char *data, qint64 size) override;

private:
    QIODevice &m_inner;
    qint64 m_left;
};
