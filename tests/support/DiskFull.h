#pragma once

#include <QtGlobal>
#include <csignal>
#include <sys/resource.h>

// A real full disk for the process while it lives: no file may grow beyond the given size, so every
// write past it fails with EFBIG on the real file system, as it fails with ENOSPC on a full one. The
// signal the kernel sends with it is ignored, as the program must live on.
class DiskFull {
public:
    explicit DiskFull(qint64 largestFile);
    ~DiskFull();
    DiskFull(const DiskFull &) = delete;
    DiskFull &operator=(const DiskFull &) = delete;

private:
    rlimit m_previous{};
    struct sigaction m_previousAction { };
};
