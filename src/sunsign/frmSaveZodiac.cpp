#include "frmSaveZodiac.h"

#include "frmSunSign.h"
#include "modSunSign.h"

#include "ClickLabel.h"
#include "Desktop.h"
#include "Forms.h"
#include "LineBox.h"
#include "QBColor.h"
#include "RichTextBox.h"
#include "TwipsLayout.h"
#include "modHelp.h"

#include <QPushButton>

#include <array>

frmSaveZodiac::frmSaveZodiac() : ReportWindow(FormName, QStringLiteral("Vorlaine Zodiac Compatibility"))
{
    setAttribute(Qt::WA_StyledBackground, true);
    setStyleSheet(QStringLiteral("frmSaveZodiac { background: #fdf3e7; }"
                                 // The report box keeps its own font.
                                 "QLabel, QPushButton { font-family: Verdana; font-size: 9pt; }"
                                 "QLabel { color: #0000cc; text-decoration: underline; }"));
    RTB->setFont(QFont(QStringLiteral("Verdana"), 10));
    placeTwips(RTB, 120, 120, 9360, 6600);
    placeTwips(cmdSave, 120, 6870, 1300, 420);
    placeTwips(cmdPrint, 1540, 6870, 1300, 420);
    Label1 = NewLinkLabel(QStringLiteral("Visit ") + platform::SiteBaseAddress
                          + QStringLiteral(" for more love tests"), this,
                          Qt::AlignRight | Qt::AlignVCenter);
    placeTwips(Label1, 3000, 6840, 6480, 270);
    Label14 = NewLinkLabel(QStringLiteral("Join the Vorlaine love and astrology forum"), this,
                          Qt::AlignRight | Qt::AlignVCenter);
    placeTwips(Label14, 3000, 7110, 6480, 270);
    connect(Label1, &ClickLabel::clicked, this, [this] { Label1_Click(); });
    connect(Label14, &ClickLabel::clicked, this, [this] { Label14_Click(); });
    setClientSizeTwips(9600, 7500);
}

void frmSaveZodiac::WriteReport()
{
    const QString CRLF = QStringLiteral("\r\n");
    const QString FOOTER = FooterText();
    const QColor heading = QBColor(5), label = QBColor(3), value = QBColor(0);
    frmSunSign& result = forms::get<frmSunSign>();

    static const char* const labels[11] = {
        "Element: ",      "Rulling Planet: ", "Positive Traits: ", "Negative Traits: ",
        "Lucky Number: ", "Lucky Color: ",    "Lucky Day: ",       "Compatibility: ",
        "Famous Person Born In This Sign: ",  "Birth Stone: ",     "Quality: "};
    // In the order of the window's rows.
    auto section = [&](const QString& title, const std::array<QWidget*, 11>& boxes) {
        Run(Bold::On, heading, title + CRLF);
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            Run(Bold::Off, label, QString::fromLatin1(labels[i]));
            Run(Bold::Keep, value, BoxText(boxes[i]) + (i == 10 ? CRLF + CRLF : CRLF));
            Run(Bold::Keep, std::nullopt, FOOTER + CRLF + CRLF);
        }
    };
    section(QStringLiteral("Your Sun Sign Details"), result.DetailBoxes(true));
    section(QStringLiteral("Your Partner's Sun Sign Details"), result.DetailBoxes(false));

    const auto& s = modSunSign::state();
    auto q = [](const std::string& t) { return QString::fromStdString(t); };
    Run(Bold::On, heading, QStringLiteral("You And Your Partner's Sun Sign Compatibility") + CRLF);
    Run(Bold::Off, label, QStringLiteral("You Have A Match Of: "));
    Run(Bold::Keep, value, q(s.ZodiacMatchPercentage) + CRLF);
    Run(Bold::Keep, std::nullopt, FOOTER + CRLF + CRLF);
    Run(Bold::Keep, label, q(s.ZodiacMatchComment) + CRLF + CRLF);
    Run(Bold::Keep, std::nullopt, FOOTER + CRLF + CRLF);
    Run(Bold::Keep, label, "You And Your Partner: " + q(s.SunSignM) + " And " + q(s.SunSignF) + CRLF);
    Run(Bold::Keep, value, q(s.ZodiacMatchDescription) + CRLF);
    Run(Bold::Keep, std::nullopt, FOOTER);
}

void frmSaveZodiac::Label1_Click()
{
    OpenHomePage();
}

void frmSaveZodiac::Label14_Click()
{
    OpenHomePage();
}
