#pragma once

#include "NotBuiltWindow.h"

class frmSaveKundali : public NotBuiltWindow<ReportWindow> {
public:
    static constexpr const char* FormName = "frmSaveKundali";
    frmSaveKundali() : NotBuiltWindow(FormName, QStringLiteral("Vorlaine Astrology Kundali Match"), 7725, 7545) {}
};
