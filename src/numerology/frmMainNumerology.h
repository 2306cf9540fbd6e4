#pragma once

#include "NotBuiltWindow.h"

class frmMainNumerology : public NotBuiltWindow<InputWindow> {
public:
    static constexpr const char* FormName = "frmMainNumerology";
    frmMainNumerology() : NotBuiltWindow(FormName, QStringLiteral("Vorlaine Numerology Compatibility Software"), 9000, 6000) {}
};
