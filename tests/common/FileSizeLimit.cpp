#include "common/FileSizeLimit.h"

#include <csignal>

FileSizeLimit::FileSizeLimit()
{
    getrlimit(RLIMIT_FSIZE, &m_before);
    // Without this the kernel would end the process at the limit.
    m_signalBefore = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = m_before;
    limit.rlim_cur = 64;
    setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeLimit::~FileSizeLimit()
{
    setrlimit(RLIMIT_FSIZE, &m_before);
    std::signal(SIGXFSZ, m_signalBefore);
}
