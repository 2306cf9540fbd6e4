#include "LatLongLookup.h"

#include "Desktop.h"

#include <QLineEdit>
#include <QUrl>

using namespace platform;

QString LatLongLookup::SearchAddress(const QString& searchText)
{
    return QStringLiteral("https://www.openstreetmap.org/search?query=") +
           QString::fromLatin1(QUrl::toPercentEncoding(searchText));
}

bool LatLongLookup::Lookup(const QString& searchText, const QString& homePage)
{
    (void)homePage; // the map site has no place for it
    desktop().OpenUrl(SearchAddress(searchText));
    return true;
}

void SearchPlaceCoordinates(QLineEdit* city, QLineEdit* state, QLineEdit* country, const QString& homePage)
{
    const struct {
        QLineEdit* box;
        const char* message;
    } checks[] = {{city, "Please Enter City"}, {state, "Please Enter State"}, {country, "Please Enter Country"}};
    // Only a completely empty box is missing: blanks pass as typed.
    for (const auto& c : checks) {
        if (c.box->text().isEmpty()) {
            desktop().MsgBox(QString::fromLatin1(c.message), MsgButtons::OK, MsgIcon::Critical);
            c.box->setFocus();
            return;
        }
    }
    LatLongLookup lookup;
    lookup.Lookup(city->text() + QLatin1Char(' ') + state->text() + QLatin1Char(' ') + country->text() +
                      QStringLiteral(" Latitude Longitude"),
                  homePage);
}
