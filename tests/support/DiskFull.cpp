#include "DiskFull.h"

DiskFull::DiskFull(qint64 largestFile)
{
    struct sigaction ignore { };
    ignore.sa_handler = SIG_IGN;
    sigaction(SIGXFSZ, &ignore, &m_previousAction);
    getrlimit(RLIMIT_FSIZE, &m_previous);
    rlimit limit = m_previous;
    limit.rlim_cur = rlim_t(largestFile);
    setrlimit(RLIMIT_FSIZE, &limit);
}

DiskFull::~DiskFull()
{
    setrlimit(RLIMIT_FSIZE, &m_previous);
    sigaction(SIGXFSZ, &m_previousAction, nullptr);
}
