#include "modHelp.h"

#include "Cp1252.h"
#include "Desktop.h"
#include "Settings.h"

using namespace platform;

QString PageAddress(const QString& pageKey)
{
    return SiteBaseAddress + SitePagePath + pageKey;
}

void OpenHelpPage()
{
    desktop().OpenUrl(PageAddress(QStringLiteral("help-web-page")));
}

void OpenHomePage()
{
    desktop().OpenUrl(PageAddress(QStringLiteral("home-page")));
}

void OpenUpdatePage()
{
    desktop().OpenUrl(PageAddress(QStringLiteral("download-web-page")));
}

void CheckUpdateReminder()
{
    const QString stored = settings::read(ReminderDateKey);
    const QDate today = desktop().Today();
    if (stored.isEmpty()) {
        settings::write(ReminderDateKey, today.toString(Qt::ISODate));
        return;
    }
    // ISO text reads back the same whatever the system's date format.
    const QDate s = QDate::fromString(stored, Qt::ISODate);
    if (!s.isValid())
        return; // not a date: the reminder stops here, nothing is written
    const qint64 d = today.daysTo(s);
    if (d >= -14 && d <= 14)
        return;
    const MsgResult answer = desktop().MsgBox(
        QStringLiteral("There maybe an update to this software available") + QChar(13) +
            QStringLiteral("Do you want to check for an update?"),
        MsgButtons::YesNo, MsgIcon::Information);
    settings::write(ReminderDateKey, today.toString(Qt::ISODate));
    if (answer == MsgResult::Yes)
        OpenUpdatePage();
}

QString EncodeText(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (QChar ch : text) {
        const int c = cp1252::toCode(ch) + 85;
        if (c >= 0 && c <= 255)
            out.append(cp1252::fromCode(c));
    }
    return out;
}
