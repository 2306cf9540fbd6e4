#pragma once

#include "ReportWindow.h"

class ClickLabel;

// The sun-sign report: both persons' sign details and the pair's verdict,
// written from the result window when the window loads.
class frmSaveZodiac : public ReportWindow {
    Q_OBJECT
public:
    static constexpr const char* FormName = "frmSaveZodiac";
    frmSaveZodiac();

    ClickLabel* Label1;
    ClickLabel* Label14;

    void Label1_Click();
    void Label14_Click();

protected:
    void WriteReport() override;
};
