#pragma once

#include <QByteArray>
#include <QString>

namespace platform {

// Writes data to path through a temporary file beside it, which takes the
// file's place only once it is completely written: a failed write leaves an
// existing file as it was. On failure, error (when given) says why.
bool writeFileSafely(const QString& path, const QByteArray& data, QString* error = nullptr);

} // namespace platform
