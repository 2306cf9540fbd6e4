#pragma once

#include "NotBuiltWindow.h"
#include "modHelp.h"

class frmMatch : public NotBuiltWindow<InputWindow> {
public:
    static constexpr const char* FormName = "frmMatch";
    frmMatch() : NotBuiltWindow(FormName, QStringLiteral("Vorlaine Astro Compatibility Test Software"), 9000, 6800) {}

    // The planetary input window asks about updates every time it loads.
    void Form_Load() override
    {
        CheckUpdateReminder();
        InputWindow::Form_Load();
    }
};
