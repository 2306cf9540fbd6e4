#pragma once

#include "TestWindow.h"

class QLabel;

// Not built yet: the window exists, opens in its place and unloads like the
// finished one will, and says that its test is still to come.
class frmchiness : public ResultWindow {
    Q_OBJECT
public:
    static constexpr const char* FormName = "frmchiness";
    frmchiness();

    QLabel* lblNotBuilt;
};
