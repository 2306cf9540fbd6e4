#pragma once

#include "TabStrip.h"

#include <QWidget>

#include <vector>

// The page the user sees among pages that share a place (a strip's page may
// sit on another strip's page that is not in front): the one shown in its
// place, or nullptr when none or more than one is.
inline QWidget* shownPage(const std::vector<QWidget*>& pages)
{
    QWidget* shown = nullptr;
    for (QWidget* p : pages) {
        if (!p->isVisibleTo(p->parentWidget()))
            continue;
        if (shown)
            return nullptr;
        shown = p;
    }
    return shown;
}

inline QWidget* shownPage(const TabStrip* strip)
{
    return shownPage(strip->Pages());
}
