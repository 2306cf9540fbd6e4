#pragma once

#include "NotBuiltWindow.h"

class frmchiness : public NotBuiltWindow<ResultWindow> {
public:
    static constexpr const char* FormName = "frmchiness";
    frmchiness() : NotBuiltWindow(FormName, QStringLiteral("Vorlaine Chinese Zodiac Compatibility"), 10000, 7000) {}
};
