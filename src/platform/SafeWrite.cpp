#include "SafeWrite.h"

#include <QSaveFile>

namespace platform {

bool writeFileSafely(const QString& path, const QByteArray& data, QString* error)
{
    QSaveFile file(path);
    // The flush is checked on its own: a commit after a failed buffered write
    // would still put the short temporary file in place of the old one.
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size() || !file.flush() || !file.commit()) {
        if (error)
            *error = file.errorString();
        file.cancelWriting();
        return false;
    }
    return true;
}

} // namespace platform
