#include "frmSaveDocumentNumerology.h"

#include "frmDisp.h"
#include "frmMainNumerology.h"

#include "ClickLabel.h"
#include "Forms.h"
#include "RichTextBox.h"
#include "TwipsLayout.h"
#include "modHelp.h"

#include <QPushButton>

namespace {

const QString Style = QStringLiteral(
    "frmSaveDocumentNumerology { background: #fdf3e7; }"
    "QWidget { font-family: Verdana; font-size: 9pt; }"
    "QLabel#Label61 { color: #0000cc; text-decoration: underline; }");

} // namespace

frmSaveDocumentNumerology::frmSaveDocumentNumerology()
    : ReportWindow(FormName, QStringLiteral("Comprehensive Reading"))
{
    setAttribute(Qt::WA_StyledBackground, true);
    setStyleSheet(Style);

    Label61 = new ClickLabel(QStringLiteral("More free love tests and readings at www.vorlaine.example"), this);
    Label61->setObjectName(QStringLiteral("Label61"));
    Label61->setCursor(Qt::PointingHandCursor);
    Label61->setAlignment(Qt::AlignCenter);
    placeTwips(Label61, 120, 90, 9360, 300);
    connect(Label61, &ClickLabel::clicked, this, [this] { Label61_Click(); });

    RTB->setFont(QFont(QStringLiteral("Verdana"), 9));
    placeTwips(RTB, 120, 450, 9360, 4500);

    cmdBack = new QPushButton(QStringLiteral("&Back"), this);
    cmdBack->setObjectName(QStringLiteral("cmdBack"));
    connect(cmdBack, &QPushButton::clicked, this, [this] { cmdBack_Click(); });
    placeTwips(cmdBack, 5400, 5070, 1300, 420);
    placeTwips(cmdPrint, 6790, 5070, 1300, 420);
    placeTwips(cmdSave, 8180, 5070, 1300, 420);
    setTabOrder(RTB, cmdBack);
    setTabOrder(cmdBack, cmdPrint);
    setTabOrder(cmdPrint, cmdSave);

    setClientSizeTwips(9600, 5610);
}

void frmSaveDocumentNumerology::Form_Load()
{
    ReportWindow::Form_Load();
    PlaceNumerologyResult(*this);
}

QString frmSaveDocumentNumerology::SaveDialogTitle() const
{
    return NumerologySaveTitle();
}

void frmSaveDocumentNumerology::cmdBack_Click()
{
    Unload();
    try {
        forms::get<frmMainNumerology>().Show();
    } catch (...) {
    }
}

void frmSaveDocumentNumerology::Label61_Click()
{
    OpenHomePage();
}
