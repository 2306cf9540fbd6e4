#pragma once

#include "NotBuiltWindow.h"

class frmMainKundali : public NotBuiltWindow<InputWindow> {
public:
    static constexpr const char* FormName = "frmMainKundali";
    frmMainKundali() : NotBuiltWindow(FormName, QStringLiteral("Vorlaine Astrology Kundali Match"), 8715, 6465) {}
};
