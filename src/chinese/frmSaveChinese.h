#pragma once

#include "ReportWindow.h"

class ClickLabel;

// The Chinese report: both persons' sign details, read from the results the
// calculation kept, written when the window loads.
class frmSaveChinese : public ReportWindow {
    Q_OBJECT
public:
    static constexpr const char* FormName = "frmSaveChinese";
    frmSaveChinese();

    ClickLabel* Label1;
    ClickLabel* Label14;

    void Label1_Click();
    void Label14_Click();

protected:
    void WriteReport() override;
};
