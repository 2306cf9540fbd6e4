#pragma once

#include "NotBuiltWindow.h"

class frmSaveChinese : public NotBuiltWindow<ReportWindow> {
public:
    static constexpr const char* FormName = "frmSaveChinese";
    frmSaveChinese() : NotBuiltWindow(FormName, QStringLiteral("Vorlaine Chinese Zodiac Compatibility"), 9000, 7000) {}
};
