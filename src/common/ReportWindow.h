#pragma once

#include "Form.h"

class RichTextBox;

// A window holding one rich-text box whose web addresses are clickable while
// the window is loaded.
class ReportWindow : public Form {
    Q_OBJECT
public:
    ReportWindow(const char* formName, const QString& caption);

    RichTextBox* RTB;

    void Form_Load() override;
    void Form_Unload() override;
};
