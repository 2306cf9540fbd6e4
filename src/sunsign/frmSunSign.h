#pragma once

#include "TestWindow.h"

class QLabel;

class frmSunSign : public ResultWindow {
    Q_OBJECT
public:
    static constexpr const char* FormName = "frmSunSign";
    frmSunSign();

    QLabel* lblNotBuilt;
};
