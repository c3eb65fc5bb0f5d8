#pragma once

// Ways to make the disk refuse what the program asks of it, and a way to see
// afterwards that a refused action lost nothing already stored.
//
// The suites run as root in CI, and permissions do not stop root. Faults that
// must hold for everyone are made of things root cannot write through either:
// a folder where a file should be, a file where a folder should be, a path
// that runs through a file, or DiskFull below. ReadOnlyFolder is the real
// thing, for the runs that are not root; tests skip it otherwise.

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>

#ifdef Q_OS_UNIX
#include <sys/resource.h>
#endif

// Every folder and file below `path`, by name relative to it: files with
// their bytes, folders with a trailing "/" and no bytes. Taken before and
// after an action, equal maps mean nothing was changed, added or removed.
QMap<QString, QByteArray> folderContents(const QString& path);

// A readable list of what differs between two folderContents maps, for
// QVERIFY2; empty when they are equal.
QString contentsDifference(const QMap<QString, QByteArray>& before, const QMap<QString, QByteArray>& after);

#ifdef Q_OS_UNIX
// While it lives, this process cannot write any file at or beyond `room`
// bytes from its start, as on a disk that is full: with room 0 no write
// succeeds, with room 5000 a file's first 5000 bytes can still be rewritten.
// It holds for root too.
class DiskFull {
public:
    explicit DiskFull(qint64 room = 0);
    ~DiskFull();
    DiskFull(const DiskFull&) = delete;
    DiskFull& operator=(const DiskFull&) = delete;

private:
    rlimit saved_ {};
    void (*savedHandler_)(int) = nullptr;
};
#define TESSARIA_HAS_DISK_FULL 1
#endif

// While it lives, `path` and everything below it are read-only: folders
// r-x, files r--. The rights are given back on destruction, so the
// temporary folder can be removed. holds() is false where permissions do
// not stop this process (root), and nothing is changed then.
class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(const QString& path);
    ~ReadOnlyFolder();
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;
    bool holds() const { return holds_; }

private:
    struct Entry {
        QString path;
        int mode;
    };
    QList<Entry> saved_;
    bool holds_ = false;
};
