#pragma once

#include "Form.h"

class QLabel;

// Not built yet: the window exists, opens in its place and unloads like the
// finished one will, and says that its test is still to come.
class frmReport : public Form {
    Q_OBJECT
public:
    static constexpr const char* FormName = "frmReport";
    frmReport();

    QLabel* lblNotBuilt;
};
