#pragma once

#include "Desktop.h"

#include <QString>

// The product's web pages, the update reminder and the settings encoder.
using platform::SiteBaseAddress;
inline const QString SitePagePath = QStringLiteral("/vorlaine-free-love-test/ssd.php?page=");

QString PageAddress(const QString& pageKey);

void OpenHelpPage();
void OpenHomePage();
void OpenUpdatePage();

// Asks about an update when the stored reminder day lies 15 or more days
// away from today; the first run only stores today.
void CheckUpdateReminder();

// The settings key that holds the reminder day (ISO 8601 text).
inline const QString ReminderDateKey = QStringLiteral("Install");

// Shifts every character's Windows-1252 code up by 85; characters that
// would pass 255 are dropped.
QString EncodeText(const QString& text);
