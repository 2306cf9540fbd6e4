#pragma once

#include "ReportWindow.h"

class frmSaveZodiac : public ReportWindow {
    Q_OBJECT
public:
    static constexpr const char* FormName = "frmSaveZodiac";
    frmSaveZodiac();
};
