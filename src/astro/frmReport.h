#pragma once

#include "NotBuiltWindow.h"

class frmReport : public NotBuiltWindow<Form> {
public:
    static constexpr const char* FormName = "frmReport";
    frmReport() : NotBuiltWindow(FormName, QStringLiteral("Vorlaine Astro Compatibility Test Software v2.0"), 11000, 7000) {}
};
