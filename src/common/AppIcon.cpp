#include "AppIcon.h"

#include <QCoreApplication>

const QIcon& AppIcon()
{
    // Made on first use and let go with the application, while icons may
    // still be freed.
    static QIcon* icon = nullptr;
    if (!icon) {
        icon = new QIcon(QStringLiteral(":/icons/app.svg"));
        qAddPostRoutine([] {
            delete icon;
            icon = nullptr;
        });
    }
    return *icon;
}
