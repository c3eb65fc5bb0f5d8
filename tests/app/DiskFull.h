#pragma once

#include <QtGlobal>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>

// While it lives, no file of this process can grow: every write to a file
// fails as on a full disk. Unlike a read-only folder it also holds for root.
class DiskFull {
public:
    DiskFull()
    {
        getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit none = saved_;
        none.rlim_cur = 0;
        setrlimit(RLIMIT_FSIZE, &none);
        savedHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    }
    ~DiskFull()
    {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, savedHandler_);
    }
    DiskFull(const DiskFull&) = delete;
    DiskFull& operator=(const DiskFull&) = delete;

private:
    rlimit saved_ {};
    void (*savedHandler_)(int) = nullptr;
};
#define TESSARIA_HAS_DISK_FULL 1
#endif
