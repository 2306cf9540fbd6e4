#pragma once

#include "Form.h"

class QListWidget;
class QPushButton;

// The time-zone picker of the Kundali input window: a double-click on a row
// writes its zone hours and minutes into the boy's or the girl's zone boxes.
class frmTimeZone : public Form {
    Q_OBJECT
public:
    static constexpr const char* FormName = "frmTimeZone";
    frmTimeZone();

    QListWidget* lstTimeZone;
    QPushButton* cmdQuit;

    void Form_Load() override;
    void lstTimeZone_DblClick();
    void cmdQuit_Click();

    // The selected row, or -1 when none is selected.
    int ListIndex() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
