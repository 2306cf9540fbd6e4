#pragma once

#include "ReportWindow.h"

#include <QByteArray>

class ClickLabel;

// The Kundali report window: its box shows the report the result window
// built into it; Save stores the match as a reading file, Print prints the
// report.
class frmSaveKundali : public ReportWindow {
    Q_OBJECT
public:
    static constexpr const char* FormName = "frmSaveKundali";
    frmSaveKundali();

    ClickLabel* Label14;
    ClickLabel* Label1;

    // Writes the reading file of the match's four values.
    void cmdSave_Click() override;
    void Label1_Click();
    void Label14_Click();

    // The reading file's bytes: both moon signs, then both nakshatras, each
    // encoded and ended by a carriage return and a line feed.
    static QByteArray ReadingFileBytes();
};
