#pragma once

#include <QString>

class QLineEdit;

// The coordinate search of the astronomical tests' input windows: the user
// is shown a map search for the birth place in the browser and types the
// latitude and longitude found there into the window.
class LatLongLookup {
public:
    // The address searched for a place text (URL-encoded into a map search).
    static QString SearchAddress(const QString& searchText);
    // Opens the search for searchText in the browser. homePage is the
    // product's home page, for the search's "back to" link; it returns
    // nothing the windows use.
    bool Lookup(const QString& searchText, const QString& homePage);
};

// The click handler of the place-search buttons: checks that city, state
// and country are filled (a message and the focus otherwise), then searches
// for "city state country Latitude Longitude", the texts as typed.
void SearchPlaceCoordinates(QLineEdit* city, QLineEdit* state, QLineEdit* country, const QString& homePage);
