#pragma once

#include "NotBuiltWindow.h"

class frmSaveDocumentNumerology : public NotBuiltWindow<ReportWindow> {
public:
    static constexpr const char* FormName = "frmSaveDocumentNumerology";
    frmSaveDocumentNumerology() : NotBuiltWindow(FormName, QStringLiteral("Vorlaine Numerology Compatibility Software"), 9000, 7000) {}
};
