#include "frmSaveZodiac.h"

#include "RichTextBox.h"
#include "TwipsLayout.h"

frmSaveZodiac::frmSaveZodiac() : ReportWindow(FormName, QStringLiteral("Vorlaine Zodiac Compatibility"))
{
    placeTwips(RTB, 120, 120, 8760, 6000);
    setClientSizeTwips(9000, 6600);
}
