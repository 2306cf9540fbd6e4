#pragma once

#include "TestWindow.h"

class QLabel;

class frmMainZodiac : public InputWindow {
    Q_OBJECT
public:
    static constexpr const char* FormName = "frmMainZodiac";
    frmMainZodiac();

    QLabel* lblNotBuilt;
};
