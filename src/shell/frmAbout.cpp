#include "frmAbout.h"

#include "modHelp.h"

#include "AppIcon.h"
#include "ClickLabel.h"
#include "Desktop.h"
#include "TwipsLayout.h"
#include "Twips.h"

#include <QIcon>
#include <QLabel>
#include <QPushButton>

frmAbout::frmAbout() : Form(FormName, Kind::Dialog)
{
    setCaption(QStringLiteral("Vorlaine Love Test v2.30"));
    setWindowIcon(AppIcon());
    setStyleSheet(QStringLiteral("frmAbout { background: #fff8ee; } QLabel { font-family: Verdana; }"));
    setAttribute(Qt::WA_StyledBackground, true);

    picIcon = new QLabel(this);
    picIcon->setPixmap(AppIcon().pixmap(48, 48));
    placeTwips(picIcon, 240, 240, 720, 720);

    Label2 = new QLabel(QStringLiteral("Vorlaine Love Test v2.30"), this);
    Label2->setStyleSheet(QStringLiteral("color: #7a1f3d; font-size: 13pt; font-weight: bold;"));
    placeTwips(Label2, 1200, 300, 4800, 420);

    Label1 = new QLabel(QStringLiteral(
        "Vorlaine Love Test is a comprehensive compatibility suite. It includes compatibility reports "
        "for two people based on Western Sun Sign Zodiac, Moon Sign Compatibility, Vedic Astrology, "
        "Chinese Zodiac and Numerology. All rights to this software are held by Vorlaine."), this);
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label1->setStyleSheet(QStringLiteral("color: #3b2a2a; font-size: 9pt;"));
    placeTwips(Label1, 1200, 840, 4800, 1560);

    lblHomePage = NewLinkLabel(QStringLiteral("Visit us at ") + platform::SiteBaseAddress
                                   + QStringLiteral(" for more love tests"), this);
    lblHomePage->setWordWrap(true);
    lblHomePage->setStyleSheet(QStringLiteral("color: #0000cc; text-decoration: underline; font-size: 9pt;"));
    placeTwips(lblHomePage, 1200, 2400, 4800, 500);
    connect(lblHomePage, &ClickLabel::clicked, this, [this] { lblHomePage_Click(); });

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setDefault(true);
    placeTwips(cmdOK, 4800, 3000, 1200, 400);
    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    // Escape closes the box as OK does, and so does Ctrl+F4, as in the
    // program's other modal windows.
    pressOnKeys(cmdOK, {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_F4)});

    setClientSizeTwips(6300, 3600);
}

void frmAbout::cmdOK_Click()
{
    Unload();
}

void frmAbout::lblHomePage_Click()
{
    OpenHomePage();
}
