#pragma once

#include "Form.h"

class ClickLabel;
class QLabel;
class QPushButton;

// The About box: a dialog, not a child window; its texts are fixed.
class frmAbout : public Form {
    Q_OBJECT
public:
    static constexpr const char* FormName = "frmAbout";
    frmAbout();

    QLabel* picIcon;
    QLabel* Label2;
    QLabel* Label1;
    ClickLabel* lblHomePage;
    QPushButton* cmdOK;

    void cmdOK_Click();
    void lblHomePage_Click();
};
