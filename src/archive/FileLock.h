#pragma once

#include <QtGlobal>

// The operating-system calls of the record store: a lock on one byte of a
// file, shared or exclusive, and the flush of a file's writes to the disk.
//
// The lock sits on one byte far beyond the end of any record file. Nothing is
// ever read or written there, so the lock guards nothing by itself (not even
// on Windows, where a lock also stops reads and writes of the locked range):
// it is a token that the record store takes before it touches the data.
// Writers take it exclusively, readers shared: readers exclude writers but
// not each other, across processes and across the workstations that share
// the program folder, as far as the network file system passes locks on.
//
// Linux takes an open-file-description lock: it belongs to this descriptor
// alone, so another descriptor of the same file opened and closed elsewhere
// in the process cannot drop it, and two descriptors in one process exclude
// each other as two processes do. Other POSIX systems take a classic record
// lock, which belongs to the process: there, closing any descriptor of the
// file in the process drops it. On both, a lock taken where the descriptor
// (or the process) already holds one replaces it: a shared lock taken by the
// holder of the exclusive one would turn it into a shared one, so the holder
// never takes it. Shared is F_RDLCK, exclusive F_WRLCK. Windows locks the
// file handle, LockFileEx with or without LOCKFILE_EXCLUSIVE_LOCK.
class FileLock {
public:
    static constexpr qint64 offset = qint64(1) << 40;

    enum class Result {
        Taken,
        TimedOut, // someone else held it for the whole wait
        Unsupported, // the file system has no locks (an NFS share without a lock service)
        Failed, // any other refusal
    };

    enum class Kind {
        Shared, // the descriptor must be open for reading
        Exclusive, // the descriptor must be open for writing
    };

    FileLock() = default;
    ~FileLock() { release(); }
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    // Takes the lock on the open file `fd` (a C runtime descriptor, as
    // QFile::handle() gives it). Never blocks in the system: it tries, sleeps
    // a little and tries again until timeoutMs have passed.
    Result acquire(int fd, int timeoutMs, Kind kind = Kind::Exclusive);
    // Lets the lock go; call it before the descriptor is closed.
    void release();
    bool held() const { return fd_ >= 0; }

private:
    int fd_ = -1;
};

// Waits until the data written to `fd` is on the disk. False on failure.
bool syncToDisk(int fd);
