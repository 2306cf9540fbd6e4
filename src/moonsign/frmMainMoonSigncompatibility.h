#pragma once

#include "NotBuiltWindow.h"

class frmMainMoonSigncompatibility : public NotBuiltWindow<InputWindow> {
public:
    static constexpr const char* FormName = "frmMainMoonSigncompatibility";
    frmMainMoonSigncompatibility() : NotBuiltWindow(FormName, QStringLiteral("Vorlaine Moon Sign Compatibility"), 9000, 6800) {}
};
