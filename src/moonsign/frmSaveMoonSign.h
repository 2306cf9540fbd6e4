#pragma once

#include "ReportWindow.h"

class ClickLabel;

// The moon-sign report: both persons' birth details and moon signs, then the
// pair's percentage, verdict and interpretation, copied from the result
// window's controls when the window loads.
class frmSaveMoonSign : public ReportWindow {
    Q_OBJECT
public:
    static constexpr const char* FormName = "frmSaveMoonSign";
    frmSaveMoonSign();

    ClickLabel* Label1;
    ClickLabel* Label14;

    void Label1_Click();
    void Label14_Click();

protected:
    void WriteReport() override;
};
