#pragma once

#include "NotBuiltWindow.h"

class frmMoonSign : public NotBuiltWindow<ResultWindow> {
public:
    static constexpr const char* FormName = "frmMoonSign";
    frmMoonSign() : NotBuiltWindow(FormName, QStringLiteral("Vorlaine Moon Sign Compatibility"), 10000, 7000) {}
};
