#include "archive/FileLock.h"

#include <atomic>
#include <chrono>
#include <thread>

#ifdef Q_OS_WIN
#include <io.h>
#include <windows.h>
#else
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

enum class Attempt { Taken, Busy, Unsupported, Failed };

#ifdef Q_OS_WIN

HANDLE handleOf(int fd)
{
    return reinterpret_cast<HANDLE>(_get_osfhandle(fd));
}

OVERLAPPED lockedByte()
{
    OVERLAPPED ov {};
    ov.Offset = DWORD(quint64(FileLock::offset) & 0xFFFFFFFFu);
    ov.OffsetHigh = DWORD(quint64(FileLock::offset) >> 32);
    return ov;
}

Attempt tryLock(int fd, FileLock::Kind kind)
{
    const HANDLE h = handleOf(fd);
    if (h == INVALID_HANDLE_VALUE)
        return Attempt::Failed;
    OVERLAPPED ov = lockedByte();
    const DWORD flags
        = LOCKFILE_FAIL_IMMEDIATELY | (kind == FileLock::Kind::Exclusive ? DWORD(LOCKFILE_EXCLUSIVE_LOCK) : DWORD(0));
    if (LockFileEx(h, flags, 0, 1, 0, &ov))
        return Attempt::Taken;
    switch (GetLastError()) {
    case ERROR_LOCK_VIOLATION:
    case ERROR_IO_PENDING:
        return Attempt::Busy;
    case ERROR_NOT_SUPPORTED:
    case ERROR_INVALID_FUNCTION:
        return Attempt::Unsupported;
    default:
        return Attempt::Failed;
    }
}

void unlock(int fd)
{
    const HANDLE h = handleOf(fd);
    if (h == INVALID_HANDLE_VALUE)
        return;
    OVERLAPPED ov = lockedByte();
    UnlockFileEx(h, 0, 1, 0, &ov);
}

#else

struct flock lockedByte(short type)
{
    struct flock fl { };
    fl.l_type = type;
    fl.l_whence = SEEK_SET;
    fl.l_start = off_t(FileLock::offset);
    fl.l_len = 1;
    fl.l_pid = 0; // open-file-description locks require 0
    return fl;
}

#ifdef F_OFD_SETLK
// Kernels older than 3.15 do not know open-file-description locks; there the
// classic lock is the best on offer.
std::atomic<bool> ofdLocks {true};
#endif

int setLock(int fd, short type)
{
    struct flock fl = lockedByte(type);
#ifdef F_OFD_SETLK
    if (ofdLocks) {
        const int r = fcntl(fd, F_OFD_SETLK, &fl);
        if (r == 0 || errno != EINVAL)
            return r;
        ofdLocks = false;
        fl = lockedByte(type);
    }
#endif
    return fcntl(fd, F_SETLK, &fl);
}

Attempt tryLock(int fd, FileLock::Kind kind)
{
    const short type = kind == FileLock::Kind::Exclusive ? F_WRLCK : F_RDLCK;
    for (;;) {
        if (setLock(fd, type) == 0)
            return Attempt::Taken;
        switch (errno) {
        case EINTR:
            continue;
        case EAGAIN:
        case EACCES:
            return Attempt::Busy;
        case ENOLCK:
        case EOPNOTSUPP:
#if defined(ENOTSUP) && ENOTSUP != EOPNOTSUPP
        case ENOTSUP:
#endif
            return Attempt::Unsupported;
        default:
            return Attempt::Failed;
        }
    }
}

void unlock(int fd)
{
    setLock(fd, F_UNLCK);
}

#endif

} // namespace

FileLock::Result FileLock::acquire(int fd, int timeoutMs, Kind kind)
{
    release();
    if (fd < 0)
        return Result::Failed;
    using namespace std::chrono;
    const auto deadline = steady_clock::now() + milliseconds(timeoutMs);
    for (;;) {
        switch (tryLock(fd, kind)) {
        case Attempt::Taken:
            fd_ = fd;
            return Result::Taken;
        case Attempt::Unsupported:
            return Result::Unsupported;
        case Attempt::Failed:
            return Result::Failed;
        case Attempt::Busy:
            break;
        }
        if (steady_clock::now() >= deadline)
            return Result::TimedOut;
        // A writer holds the lock for one write and one sync, a reader for
        // one read or one scan: a short nap is enough for either to finish.
        std::this_thread::sleep_for(milliseconds(15));
    }
}

void FileLock::release()
{
    if (fd_ < 0)
        return;
    unlock(fd_);
    fd_ = -1;
}

bool syncToDisk(int fd)
{
#if defined(Q_OS_WIN)
    const HANDLE h = reinterpret_cast<HANDLE>(_get_osfhandle(fd));
    return h != INVALID_HANDLE_VALUE && FlushFileBuffers(h);
#elif defined(Q_OS_DARWIN)
    // On macOS fsync leaves the data in the drive's cache.
    if (fcntl(fd, F_FULLFSYNC) == 0)
        return true;
    return fsync(fd) == 0;
#else
    int r;
    do {
        r = fdatasync(fd);
    } while (r != 0 && errno == EINTR);
    return r == 0;
#endif
}
