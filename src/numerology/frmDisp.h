#pragma once

#include "ReportWindow.h"

class ClickLabel;
class QPushButton;

// What both numerology result windows share: the home-page link, Back to the
// input window, Print and Save with the numerology save title, and their
// place against the input window.
class NumerologyResultWindow : public ReportWindow {
    Q_OBJECT
public:
    NumerologyResultWindow(const char* formName, const QString& caption);

    ClickLabel* Label61;
    QPushButton* cmdBack;

    void Form_Load() override;
    void cmdBack_Click();
    void Label61_Click();

protected:
    QString SaveDialogTitle() const override;
    // Gives up the height, then takes the place the rule gives that height.
    void GiveUpHeight(int pixels) override;
    // Places the link, the box and the three buttons; sets the client size.
    void layOut(double width, double boxHeight, double buttonsLeft, double buttonStep, double clientHeight);
};

// The numerology result window: one life-path or destiny reading, replaced
// whole by the next one, with Back, Print and Save.
class frmDisp : public NumerologyResultWindow {
    Q_OBJECT
public:
    static constexpr const char* FormName = "frmDisp";
    frmDisp();

    RichTextBox* txtDisp; // the report box
};

// The numerology result windows sit centred across the screen and halfway
// down the input window's height.
void PlaceNumerologyResult(Form& window);
// The save dialog's title of both numerology result windows.
QString NumerologySaveTitle();
