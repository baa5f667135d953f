#pragma once

#include <QString>

// An exclusive lock on a file that the kernel holds for the process: it goes with the process however
// the process ends, so a lock left behind by a killed copy never needs a staleness rule, and taking it
// writes nothing to the disk.
class FileLock {
public:
    explicit FileLock(const QString &path);
    ~FileLock();
    FileLock(const FileLock &) = delete;
    FileLock &operator=(const FileLock &) = delete;

    enum class Outcome { Locked, HeldElsewhere, Unavailable };
    Outcome tryLock();
    void unlock();

private:
    QString m_path;
    int m_descriptor = -1;
};
