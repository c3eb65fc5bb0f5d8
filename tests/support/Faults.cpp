#include "Faults.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/stat.h>
#include <unistd.h>
#endif

QMap<QString, QByteArray> folderContents(const QString& path)
{
    QMap<QString, QByteArray> contents;
    const QDir base(path);
    QDirIterator it(
        path, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        const QFileInfo info = it.fileInfo();
        const QString name = base.relativeFilePath(file);
        if (info.isDir() && !info.isSymLink()) {
            contents.insert(name + QLatin1Char('/'), QByteArray());
            continue;
        }
        QFile f(file);
        contents.insert(name, f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>"));
    }
    return contents;
}

QString contentsDifference(const QMap<QString, QByteArray>& before, const QMap<QString, QByteArray>& after)
{
    QStringList lines;
    QList<QString> names = before.keys() + after.keys();
    std::sort(names.begin(), names.end());
    names.erase(std::unique(names.begin(), names.end()), names.end());
    for (const QString& name : std::as_const(names)) {
        if (!after.contains(name))
            lines << QStringLiteral("gone: ") + name;
        else if (!before.contains(name))
            lines << QStringLiteral("new: ") + name;
        else if (before.value(name) != after.value(name))
            lines << QStringLiteral("changed: %1 (%2 bytes, was %3)")
                         .arg(name)
                         .arg(after.value(name).size())
                         .arg(before.value(name).size());
    }
    return lines.join(QStringLiteral("; "));
}

#ifdef Q_OS_UNIX

DiskFull::DiskFull(qint64 room)
{
    getrlimit(RLIMIT_FSIZE, &saved_);
    rlimit limit = saved_;
    limit.rlim_cur = rlim_t(room);
    setrlimit(RLIMIT_FSIZE, &limit);
    // A write past the limit raises SIGXFSZ, which would end the process;
    // ignored, the write fails with EFBIG instead.
    savedHandler_ = std::signal(SIGXFSZ, SIG_IGN);
}

DiskFull::~DiskFull()
{
    setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, savedHandler_);
}

#endif

ReadOnlyFolder::ReadOnlyFolder(const QString& path)
{
#ifdef Q_OS_UNIX
    QStringList paths {path};
    QDirIterator it(
        path, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext())
        paths << it.next();
    // Deepest first, so that every folder can still be entered while its
    // content is changed.
    std::reverse(paths.begin(), paths.end());
    for (const QString& p : std::as_const(paths)) {
        struct stat st { };
        const QByteArray native = QFile::encodeName(p);
        if (lstat(native.constData(), &st) != 0 || S_ISLNK(st.st_mode))
            continue;
        saved_.append({p, int(st.st_mode & 07777)});
        chmod(native.constData(), st.st_mode & (S_ISDIR(st.st_mode) ? 0555 : 0444));
    }
    // Whether the rights stop this process: try to create a file.
    QFile probe(path + QStringLiteral("/.probe"));
    if (probe.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        probe.close();
        probe.remove();
    } else {
        holds_ = true;
    }
#else
    Q_UNUSED(path);
#endif
}

ReadOnlyFolder::~ReadOnlyFolder()
{
#ifdef Q_OS_UNIX
    // Outermost first, the reverse of how they were taken away.
    for (auto it = saved_.crbegin(); it != saved_.crend(); ++it)
        chmod(QFile::encodeName(it->path).constData(), mode_t(it->mode));
#endif
}
