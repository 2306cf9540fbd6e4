#pragma once

#include "NotBuiltWindow.h"

class frmSaveMoonSign : public NotBuiltWindow<ReportWindow> {
public:
    static constexpr const char* FormName = "frmSaveMoonSign";
    frmSaveMoonSign() : NotBuiltWindow(FormName, QStringLiteral("Vorlaine Moon Sign Compatibility"), 9000, 7000) {}
};
