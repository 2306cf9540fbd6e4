#pragma once

#include "ReportWindow.h"

class ClickLabel;
class QPushButton;

// The numerology result window: one life-path or destiny reading, replaced
// whole by the next one, with Back, Print and Save.
class frmDisp : public ReportWindow {
    Q_OBJECT
public:
    static constexpr const char* FormName = "frmDisp";
    frmDisp();

    ClickLabel* Label61;
    RichTextBox* txtDisp; // the report box
    QPushButton* cmdBack;

    void Form_Load() override;
    void cmdBack_Click();
    void Label61_Click();

protected:
    QString SaveDialogTitle() const override;
};

// The numerology result windows sit centred across the screen and halfway
// down the input window's height.
void PlaceNumerologyResult(Form& window);
// The save dialog's title of both numerology result windows.
QString NumerologySaveTitle();
