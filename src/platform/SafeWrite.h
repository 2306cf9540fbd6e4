#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace platform {

// Writes data to path through a temporary file beside it, which takes the
// file's place only once it is completely written: a failed write leaves an
// existing file as it was. A name that holds anything but a regular file (a
// pipe, a device, a socket, a folder) is refused before anything is written
// and left as it is; a link to a regular file is written through, so the link
// stays. On failure, error (when given) says why.
bool writeFileSafely(const QString& path, const QByteArray& data, QString* error = nullptr);

// At most maxBytes from the start of the regular file at path (a link to one
// is followed); nothing for anything else, which is looked at but never
// opened, and for a file that cannot be read.
std::optional<QByteArray> readRegularFileStart(const QString& path, qint64 maxBytes);

} // namespace platform
