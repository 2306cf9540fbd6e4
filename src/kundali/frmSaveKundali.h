#pragma once

#include "ReportWindow.h"

class QLabel;

// Not built yet: the window exists, opens in its place and unloads like the
// finished one will, and says that its test is still to come.
class frmSaveKundali : public ReportWindow {
    Q_OBJECT
public:
    static constexpr const char* FormName = "frmSaveKundali";
    frmSaveKundali();

    QLabel* lblNotBuilt;
};
