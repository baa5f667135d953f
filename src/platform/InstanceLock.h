#pragma once

#include "platform/FileLock.h"

#include <QObject>
#include <QString>

#include <chrono>

class QLocalServer;

// One running copy per data folder: a lock file in the folder, held from start to end, and a local
// socket on which a later start asks the running copy to come to the front instead of starting twice.
class InstanceLock final : public QObject {
    Q_OBJECT

public:
    enum class Outcome {
        Acquired,            // this copy runs
        Unguarded,           // no lock file can be made in the folder; the start-up meets its problem itself
        RunningCopyAnswered, // another copy runs and came to the front
        RunningCopySilent,   // another copy holds the lock but does not answer
    };

    // handOverWait: how long a start waits for a copy that holds the lock without answering, as one
    // that is ending to restart does.
    // The data folder must exist already.
    explicit InstanceLock(const QString &dataFolder, std::chrono::milliseconds handOverWait = std::chrono::seconds(5));
    ~InstanceLock() override;

    Outcome acquire();
    // Acquires, or tells why this start ends; the caller then ends with code 0.
    bool admit();
    // Hands the data folder over to a new copy: no more front requests are answered, the lock is gone.
    void release();

Q_SIGNALS:
    void frontRequested();

private:
    bool askRunningCopyToFront() const;
    void listen();
    void answerFrontRequest();

    QString m_dataFolder;
    QString m_serverName;
    FileLock m_lockFile;
    std::chrono::milliseconds m_handOverWait;
    QLocalServer *m_server = nullptr;
};
