#pragma once

#include "ReportWindow.h"

class ClickLabel;
class QPushButton;

// The comprehensive-reading window: every comprehensive reading made while
// it is loaded is appended below the earlier ones.
class frmSaveDocumentNumerology : public ReportWindow {
    Q_OBJECT
public:
    static constexpr const char* FormName = "frmSaveDocumentNumerology";
    frmSaveDocumentNumerology();

    ClickLabel* Label61;
    QPushButton* cmdBack;

    void Form_Load() override;
    void cmdBack_Click();
    void Label61_Click();

protected:
    QString SaveDialogTitle() const override;
};
