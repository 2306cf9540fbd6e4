#include "RegisterForms.h"

#include "Forms.h"
#include "frmAbout.h"

#include "frmDisp.h"
#include "frmMainKundali.h"
#include "frmMainMoonSigncompatibility.h"
#include "frmMainNumerology.h"
#include "frmMainZodiac.h"
#include "frmMatch.h"
#include "frmMoonSign.h"
#include "frmReport.h"
#include "frmSaveChinese.h"
#include "frmSaveDocumentNumerology.h"
#include "frmSaveKundali.h"
#include "frmSaveMoonSign.h"
#include "frmSaveZodiac.h"
#include "frmSunSign.h"
#include "frmTimeZone.h"
#include "frmVedicResult.h"
#include "frmchiness.h"
#include "frmmainChinese.h"

void RegisterAllForms()
{
    forms::registerForm<frmAbout>();
    forms::registerForm<frmchiness>();
    forms::registerForm<frmDisp>();
    forms::registerForm<frmmainChinese>();
    forms::registerForm<frmMainKundali>();
    forms::registerForm<frmMainMoonSigncompatibility>();
    forms::registerForm<frmMainNumerology>();
    forms::registerForm<frmMainZodiac>();
    forms::registerForm<frmMatch>();
    forms::registerForm<frmMoonSign>();
    forms::registerForm<frmReport>();
    forms::registerForm<frmSaveChinese>();
    forms::registerForm<frmSaveDocumentNumerology>();
    forms::registerForm<frmSaveKundali>();
    forms::registerForm<frmSaveMoonSign>();
    forms::registerForm<frmSaveZodiac>();
    forms::registerForm<frmSunSign>();
    forms::registerForm<frmTimeZone>();
    forms::registerForm<frmVedicResult>();
}
