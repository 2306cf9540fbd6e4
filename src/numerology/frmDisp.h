#pragma once

#include "NotBuiltWindow.h"

class frmDisp : public NotBuiltWindow<ReportWindow> {
public:
    static constexpr const char* FormName = "frmDisp";
    frmDisp() : NotBuiltWindow(FormName, QStringLiteral("Vorlaine Numerology Compatibility Software"), 9000, 7000) {}
};
