#pragma once

#include <QApplication>
#include <QPointer>

// Installs one Filter on the whole application the first time it is asked.
// The filter is the application's child, so it goes when the application
// does.
template <class Filter>
void installApplicationFilter()
{
    static QPointer<Filter> filter;
    if (!filter) {
        filter = new Filter;
        filter->setParent(qApp);
        qApp->installEventFilter(filter);
    }
}
