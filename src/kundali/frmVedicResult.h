#pragma once

#include "NotBuiltWindow.h"

class frmVedicResult : public NotBuiltWindow<ResultWindow> {
public:
    static constexpr const char* FormName = "frmVedicResult";
    frmVedicResult() : NotBuiltWindow(FormName, QStringLiteral("Vorlaine Astrology Kundali Match"), 11940, 6915) {}
};
