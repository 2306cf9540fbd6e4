#include "frmDisp.h"

#include "frmMainNumerology.h"

#include "ClickLabel.h"
#include "Desktop.h"
#include "Forms.h"
#include "RichTextBox.h"
#include "TwipsLayout.h"
#include "modHelp.h"

#include <QPushButton>

namespace {

const QString Style = QStringLiteral(
    "frmDisp { background: #fdf3e7; }"
    "QWidget { font-family: Verdana; font-size: 9pt; }"
    "QLabel#Label61 { color: #0000cc; text-decoration: underline; }");

} // namespace

QString NumerologySaveTitle()
{
    return QStringLiteral("Save Your Numerology Result ....");
}

void PlaceNumerologyResult(Form& window)
{
    const float screen = static_cast<float>(platform::desktop().ScreenWidthTwips());
    window.setLeft((screen - window.Width()) / 2.0f);
    // Halfway down against the input window, which the readings that create
    // these windows always have open; without it the window sits at the top.
    float top = 0.0f;
    if (forms::isLoaded<frmMainNumerology>())
        top = (forms::get<frmMainNumerology>().Height() - window.Height()) / 2.0f;
    window.setTop(top);
}

frmDisp::frmDisp() : ReportWindow(FormName, QStringLiteral("Vorlaine Numerology Compatibility Software"))
{
    setAttribute(Qt::WA_StyledBackground, true);
    setStyleSheet(Style);

    Label61 = new ClickLabel(QStringLiteral("More free love tests and readings at www.vorlaine.example"), this);
    Label61->setObjectName(QStringLiteral("Label61"));
    Label61->setCursor(Qt::PointingHandCursor);
    Label61->setAlignment(Qt::AlignCenter);
    placeTwips(Label61, 120, 90, 8760, 300);
    connect(Label61, &ClickLabel::clicked, this, [this] { Label61_Click(); });

    txtDisp = RTB;
    txtDisp->setObjectName(QStringLiteral("txtDisp"));
    txtDisp->setFont(QFont(QStringLiteral("Verdana"), 10));
    placeTwips(txtDisp, 120, 450, 8760, 3600);

    cmdBack = new QPushButton(QStringLiteral("&Back"), this);
    cmdBack->setObjectName(QStringLiteral("cmdBack"));
    connect(cmdBack, &QPushButton::clicked, this, [this] { cmdBack_Click(); });
    placeTwips(cmdBack, 120, 4170, 1300, 420);
    placeTwips(cmdPrint, 1540, 4170, 1300, 420);
    placeTwips(cmdSave, 2960, 4170, 1300, 420);
    setTabOrder(txtDisp, cmdBack);
    setTabOrder(cmdBack, cmdPrint);
    setTabOrder(cmdPrint, cmdSave);

    setClientSizeTwips(9000, 4710);
}

void frmDisp::Form_Load()
{
    ReportWindow::Form_Load();
    PlaceNumerologyResult(*this);
}

QString frmDisp::SaveDialogTitle() const
{
    return NumerologySaveTitle();
}

void frmDisp::cmdBack_Click()
{
    Unload();
    try {
        forms::get<frmMainNumerology>().Show();
    } catch (...) {
    }
}

void frmDisp::Label61_Click()
{
    OpenHomePage();
}
