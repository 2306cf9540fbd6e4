#include "frmSaveDocumentNumerology.h"

#include "RichTextBox.h"

frmSaveDocumentNumerology::frmSaveDocumentNumerology()
    : NumerologyResultWindow(FormName, QStringLiteral("Comprehensive Reading"))
{
    RTB->setFont(QFont(QStringLiteral("Verdana"), 9));
    layOut(9360, 4500, 5400, 1390, 5610);
}
