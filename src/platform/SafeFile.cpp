#include "platform/SafeFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace SafeFile {

bool exists(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

bool write(const QString& path, const std::function<bool(QIODevice& out)>& produce)
{
    // QSaveFile resolves links and would write the link's target (creating it
    // when the link dangles). Removing the link first makes the rename below
    // put a regular file under the name instead.
    if (QFileInfo(path).isSymLink() && !QFile::remove(path))
        return false;
    // Unbuffered: with a buffer, bytes that fail to go out only when commit()
    // flushes them (a full disk) go unnoticed on Qt 6.4, and a short file
    // would replace the earlier one.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    if (!produce(file)) {
        file.cancelWriting();
        file.commit(); // only removes the temporary file
        return false;
    }
    return file.commit();
}

bool write(const QString& path, const QByteArray& data)
{
    return write(path, [&data](QIODevice& out) { return out.write(data) == data.size(); });
}

} // namespace SafeFile
