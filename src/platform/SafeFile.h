#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

class QIODevice;

// Whole-file writes of what users keep (photos, attachments, exports, the
// password store). The new content goes to a temporary file beside the
// destination, unbuffered with every write checked, and takes the name only
// once it is complete, so a failed write (a full disk, a file-size limit)
// leaves any earlier file as it was.
//
// A destination that is a symbolic link is never written through, dangling or
// not: the link itself is replaced by the new regular file, so nothing
// outside the folder ever changes.
namespace SafeFile {

// Something of that name is in the folder: a file, a folder or a link,
// including a link that points nowhere.
bool exists(const QString& path);

// Writes `data` as the whole content of `path`.
bool write(const QString& path, const QByteArray& data);

// Writes the whole content of `path` with `produce`, which returns false on
// any failure of its own (a source that cannot be read, a short write).
bool write(const QString& path, const std::function<bool(QIODevice& out)>& produce);

} // namespace SafeFile
