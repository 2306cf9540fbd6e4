#pragma once

#include "frmDisp.h"

// The comprehensive-reading window: every comprehensive reading made while
// it is loaded is appended below the earlier ones.
class frmSaveDocumentNumerology : public NumerologyResultWindow {
    Q_OBJECT
public:
    static constexpr const char* FormName = "frmSaveDocumentNumerology";
    frmSaveDocumentNumerology();
};
