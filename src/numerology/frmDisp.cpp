#include "frmDisp.h"


#include "frmMainNumerology.h"

#include "ClickLabel.h"
#include "Desktop.h"
#include "Forms.h"
#include "RichTextBox.h"
#include "TwipsLayout.h"
#include "modHelp.h"

#include <QPushButton>


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

NumerologyResultWindow::NumerologyResultWindow(const char* formName, const QString& caption)
    : ReportWindow(formName, caption)
{
    setAttribute(Qt::WA_StyledBackground, true);
    setStyleSheet(QStringLiteral("#%1 { background: #fdf3e7; }"
                                 "QWidget { font-family: Verdana; font-size: 9pt; }"
                                 "QLabel#Label61 { color: #0000cc; text-decoration: underline; }")
                      .arg(QString::fromLatin1(formName)));

    Label61 = NewLinkLabel(QStringLiteral("More free love tests and readings at ") + platform::SiteHostName, this,
                           Qt::AlignCenter);
    Label61->setObjectName(QStringLiteral("Label61"));
    connect(Label61, &ClickLabel::clicked, this, [this] { Label61_Click(); });

    cmdBack = new QPushButton(QStringLiteral("&Back"), this);
    cmdBack->setObjectName(QStringLiteral("cmdBack"));
    connect(cmdBack, &QPushButton::clicked, this, [this] { cmdBack_Click(); });
    setTabOrder(RTB, cmdBack);
    setTabOrder(cmdBack, cmdPrint);
    setTabOrder(cmdPrint, cmdSave);
}

void NumerologyResultWindow::layOut(double width, double boxHeight, double buttonsLeft, double buttonStep,
                                    double clientHeight)
{
    placeTwips(Label61, 120, 90, width, 300);
    placeTwips(RTB, 120, 450, width, boxHeight);
    const double buttonsTop = 450 + boxHeight + 120;
    placeTwips(cmdBack, buttonsLeft, buttonsTop, 1300, 420);
    placeTwips(cmdPrint, buttonsLeft + buttonStep, buttonsTop, 1300, 420);
    placeTwips(cmdSave, buttonsLeft + 2 * buttonStep, buttonsTop, 1300, 420);
    setClientSizeTwips(static_cast<float>(width + 240), static_cast<float>(clientHeight));
}

void NumerologyResultWindow::Form_Load()
{
    ReportWindow::Form_Load();
    PlaceNumerologyResult(*this);
}

void NumerologyResultWindow::GiveUpHeight(int pixels)
{
    // Halfway down the input window, a window that is a pixel shorter sits
    // half a pixel lower: to end inside the room it gives up twice what it
    // sticks out by.
    const bool againstInput = forms::isLoaded<frmMainNumerology>();
    ReportWindow::GiveUpHeight(againstInput ? 2 * pixels : pixels);
    PlaceNumerologyResult(*this);
}

QString NumerologyResultWindow::SaveDialogTitle() const
{
    return NumerologySaveTitle();
}

void NumerologyResultWindow::cmdBack_Click()
{
    Unload();
    forms::get<frmMainNumerology>().Show();
}

void NumerologyResultWindow::Label61_Click()
{
    OpenHomePage();
}

frmDisp::frmDisp() : NumerologyResultWindow(FormName, QStringLiteral("Vorlaine Numerology Compatibility Software"))
{
    txtDisp = RTB;
    txtDisp->setObjectName(QStringLiteral("txtDisp"));
    txtDisp->setFont(QFont(QStringLiteral("Verdana"), 10));
    layOut(8760, 3600, 120, 1420, 4710);
}
