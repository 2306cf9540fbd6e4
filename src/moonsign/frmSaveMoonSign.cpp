#include "frmSaveMoonSign.h"

#include "frmMoonSign.h"

#include "ClickLabel.h"
#include "Desktop.h"
#include "Forms.h"
#include "RichTextBox.h"
#include "TextBox.h"
#include "TwipsLayout.h"
#include "modHelp.h"

#include <QLabel>
#include <QPushButton>

frmSaveMoonSign::frmSaveMoonSign() : ReportWindow(FormName, QStringLiteral("Vorlaine Moon Sign Compatibility"))
{
    setAttribute(Qt::WA_StyledBackground, true);
    setStyleSheet(QStringLiteral("frmSaveMoonSign { background: #eef0fa; }"
                                 // The report box keeps its own font.
                                 "QLabel, QPushButton { font-family: Verdana; font-size: 9pt; }"
                                 "QLabel { color: #0000cc; text-decoration: underline; }"));
    QFont font(QStringLiteral("Verdana"));
    font.setPointSizeF(9.75);
    RTB->setFont(font);
    QPalette palette = RTB->palette();
    palette.setColor(QPalette::Base, QColor(255, 224, 192));
    RTB->setPalette(palette);
    placeTwips(RTB, 120, 120, 9360, 6600);
    placeTwips(cmdSave, 120, 6870, 1300, 420);
    placeTwips(cmdPrint, 1540, 6870, 1300, 420);
    Label1 = NewLinkLabel(QStringLiteral("Visit ") + platform::SiteBaseAddress
                          + QStringLiteral(" for more love tests"), this,
                          Qt::AlignRight | Qt::AlignVCenter);
    placeTwips(Label1, 3000, 6840, 6480, 270);
    Label14 = NewLinkLabel(QStringLiteral("Moon signs, sun signs and more at ") + platform::SiteHostName, this,
                          Qt::AlignRight | Qt::AlignVCenter);
    placeTwips(Label14, 3000, 7110, 6480, 270);
    connect(Label1, &ClickLabel::clicked, this, [this] { Label1_Click(); });
    connect(Label14, &ClickLabel::clicked, this, [this] { Label14_Click(); });
    setClientSizeTwips(9600, 7500);
}

void frmSaveMoonSign::WriteReport()
{
    const QString CRLF = QStringLiteral("\r\n");
    const QString FOOTER = FooterText();
    const QColor heading(255, 0, 0), label(128, 0, 0), value(0, 0, 0);
    frmMoonSign& result = forms::get<frmMoonSign>();

    auto entry = [&](const QString& caption, const QString& text) {
        Run(Bold::Off, label, caption);
        Run(Bold::Keep, value, text + CRLF + CRLF);
        Run(Bold::Keep, std::nullopt, FOOTER + CRLF + CRLF);
    };
    auto person = [&](const QString& title, TextBox* const boxes[7]) {
        static const char* const captions[7] = {"Name :", "Date of Birth :", "Time of Birth :", "City :",
                                                "State :", "Country :", "Moon Sign :"};
        Run(Bold::On, heading, title + CRLF + CRLF);
        for (int i = 0; i < 7; ++i)
            entry(QString::fromLatin1(captions[i]), boxes[i]->Text());
    };

    TextBox* const first[7] = {result.txtUserM, result.txtDOBM,     result.txtTOBM, result.txtCityM,
                               result.txtStateM, result.txtCountryM, result.txtMoonM};
    TextBox* const partner[7] = {result.txtUserF, result.txtDOBF,     result.txtTOBF, result.txtCityF,
                                 result.txtStateF, result.txtCountryF, result.txtMoonF};
    person(QStringLiteral("Your Moon Sign Details"), first);
    person(QStringLiteral("Your Partner's Moon Sign Details"), partner);

    Run(Bold::On, heading, QStringLiteral("Moon Sign Compatibility Interpretation") + CRLF + CRLF);
    Run(Bold::Off, value, FOOTER + CRLF + CRLF);
    entry(QStringLiteral("Percentage of Compatibility :"), result.lblPercentage->text());
    entry(QStringLiteral("Compatibility of ") + result.txtMoonM->Text() + QStringLiteral(" With ") +
              result.txtMoonF->Text() + QStringLiteral(":"),
          result.lblComment->text());
    // The interpretation ends the document: one line break, then the footer alone.
    Run(Bold::Off, label, QStringLiteral("Detailed Analysis"));
    Run(Bold::Keep, value, result.lblDescription->text() + CRLF);
    Run(Bold::Keep, std::nullopt, FOOTER);
}

void frmSaveMoonSign::Label1_Click()
{
    OpenHomePage();
}

void frmSaveMoonSign::Label14_Click()
{
    OpenHomePage();
}
