#pragma once

#include "ElidingLabel.h"
#include "ImageList.h"
#include "ReportWindow.h"
#include "TabStrip.h"
#include "TestWindow.h"

#include <QColor>
#include <QLabel>
#include <QString>

#include <array>
#include <optional>
#include <string>
#include <vector>

class ClickLabel;
class QAction;
class QFrame;
class QGroupBox;
class QPushButton;
class RichTextBox;
class TextBox;

enum class KundaliPerson { Boy, Girl };

// The result window's tab strips: tabs that do not fit in one row wrap onto
// further rows, each row then spread over the whole width, and the row of the
// selected tab is the one next to the pages. Every tab caption shows whole.
class MultiRowTabStrip : public TabStrip {
    Q_OBJECT
public:
    explicit MultiRowTabStrip(QWidget* parent = nullptr);

    // Where tab (from 1) is drawn, in the strip's coordinates.
    QRect TabRect(int tab) const;
    int RowCount() const;
    // The strip's height when it is given this width, in pixels.
    int HeightForWidth(int width) const;
    // Sets the strip's height to its rows, its bottom edge at bottom.
    void FitRows(int bottom);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* e) override;
    void changeEvent(QEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;

private:
    int naturalWidth(int index) const;
    int rowHeight() const;
    std::vector<std::vector<int>> rows(int width) const;
    std::vector<QRect> rects(int width) const;
};

// The Kundali result window: birth details, the Guna Milan score table and
// the interpretation on the first tab, each person's rashi and nakshatra
// pages on tabs of their own, and the About block. The calculation writes the
// score cells and the interpretation; the information procedures below fill
// the pages; the window itself writes only the birth details.
class frmVedicResult : public ResultWindow {
    Q_OBJECT
public:
    static constexpr const char* FormName = "frmVedicResult";
    frmVedicResult();

    QLabel* lblBanner;
    MultiRowTabStrip* TSAll;
    QGroupBox *fraGuna, *fraMRashi, *fraFRashi, *fraMNakshatra, *fraFNakshatra, *fraAbout;
    QPushButton* cmdSave;
    QPushButton* cmdBack;
    ImageList IMGRashi;     // 12 pictures, 200 x 200, alphabetical keys
    ImageList IMGNakshatra; // 27 pictures, 150 x 159, alphabetical keys

    // The match tab.
    MultiRowTabStrip* TSD;
    QGroupBox *fraUserDetails, *fraTable, *fraInterpretation;
    std::array<QLabel*, 2> lblDisplay{};
    ElidingLabel *lblMName, *lblMDOB, *lblMTOB, *lblMPOB;
    ElidingLabel *lblFName, *lblFDOB, *lblFTOB, *lblFPOB;
    QLabel* picGunaMilan;
    std::array<QLabel*, 44> lblVarna{}; // the score table's cells 0..43
    RichTextBox* RTB;                    // the interpretation box
    ClickLabel* lblHyperlink;

    // The boy's rashi page (the girl's below has F for M).
    MultiRowTabStrip* TSM;
    QLabel *picMRashi, *lblMRashi;
    TextBox *txtMInbornNature, *txtMRullingPlanet, *txtMSymbol, *txtMEnglishName, *txtMSignColor;
    TextBox *txtMTypeOfSign, *txtMGender, *txtMBarren, *txtMSignCaste, *txtMSignPosition, *txtMConstituent,
        *txtMPartOfTheBody;
    TextBox *txtMPhysique, *txtMLooks, *txtMNature, *txtMCareerAndFinance, *txtMLoveAndDomesticLife,
        *txtMCompatibleWith, *txtMNotCompatibleWith, *txtMHealth;
    TextBox *txtMLuckyDays, *txtMLuckyNumbers, *txtMBestDirection, *txtMLuckyColors, *txtMLuckyGemstone,
        *txtMBestPeriodOfActivity;
    QFrame *Frame1, *Frame2, *Frame3, *Frame4, *Frame5, *Frame6, *Frame7, *Frame8;
    ClickLabel* lblHomePage;

    // The girl's rashi page.
    MultiRowTabStrip* TSF;
    QLabel *picFRashi, *lblFRashi;
    TextBox *txtFInbornNature, *txtFRullingPlanet, *txtFSymbol, *txtFEnglishName, *txtFSignColor;
    TextBox *txtFTypeOfSign, *txtFGender, *txtFBarren, *txtFSignCaste, *txtFSignPosition, *txtFConstituent,
        *txtFPartOfTheBody;
    TextBox *txtFPhysique, *txtFLooks, *txtFNature, *txtFCareerAndFinance, *txtFLoveAndDomesticLife,
        *txtFCompatibleWith, *txtFNotCompatibleWith, *txtFHealth;
    TextBox *txtFLuckyDays, *txtFLuckyNumbers, *txtFBestDirection, *txtFLuckyColors, *txtFLuckyGemstone,
        *txtFBestPeriodOfActivity;
    QFrame *Frame9, *Frame10, *Frame11, *Frame12, *Frame13, *Frame14, *Frame15, *Frame16;
    ClickLabel* Label36;

    // The boy's nakshatra page (the girl's below has NF for NM).
    MultiRowTabStrip* TSNM;
    QLabel *picMNakshatra, *lblNMNakshatra;
    TextBox *txtNMRullingPlanet, *txtNMAstronomicalName, *txtNMAnimalSymbol, *txtNMSymbol;
    TextBox *txtNMNature, *txtNMRullingDeva, *txtNMPurposeOfTheDeva, *txtNMElement, *txtNMPartOfBody, *txtNMDosha;
    TextBox *txtNMGender, *txtNMPurposeInLife, *txtNMTemperaments, *txtNMBestDirection, *txtNMLuckyGemstone;
    TextBox *txtNMGeneralAndPhysicalFeatures, *txtNMPositiveHumanTraits, *txtNMNegativeHumanTraits;
    TextBox *txtNMBestCareerOptions, *txtNMDomesticLife, *txtNMHealth;
    QFrame *Frame17, *Frame18, *Frame19, *Frame20, *Frame21, *Frame22;
    ClickLabel* Label58;

    // The girl's nakshatra page.
    MultiRowTabStrip* TSNF;
    QLabel *picFNakshatra, *lblNFNakshatra;
    TextBox *txtNFRullingPlanet, *txtNFAstronomicalName, *txtNFAnimalSymbol, *txtNFSymbol;
    TextBox *txtNFNature, *txtNFRullingDeva, *txtNFPurposeOfTheDeva, *txtNFElement, *txtNFPartOfBody, *txtNFDosha;
    TextBox *txtNFGender, *txtNFPurposeInLife, *txtNFTemperaments, *txtNFBestDirection, *txtNFLuckyGemstone;
    TextBox *txtNFGeneralAndPhysicalFeatures, *txtNFPositiveHumanTraits, *txtNFNegativeHumanTraits;
    TextBox *txtNFBestCareerOptions, *txtNFDomesticLife, *txtNFHealth;
    QFrame *Frame23, *Frame24, *Frame25, *Frame26, *Frame27, *Frame28;
    ClickLabel* Label13;

    // The About tab.
    ClickLabel* lblAboutVisit;
    QFrame* Line2;

    // Paging buttons: Next k on page k, Back k on page k.
    QPushButton *cmdMNext1, *cmdMNext2, *cmdMNext3, *cmdMNext4, *cmdMNext5, *cmdMNext6, *cmdMNext7;
    QPushButton *cmdMBack2, *cmdMBack3, *cmdMBack4, *cmdMBack5, *cmdMBack6, *cmdMBack7, *cmdMBack8;
    QPushButton *cmdFNext1, *cmdFNext2, *cmdFNext3, *cmdFNext4, *cmdFNext5, *cmdFNext6, *cmdFNext7;
    QPushButton *cmdFBack2, *cmdFBack3, *cmdFBack4, *cmdFBack5, *cmdFBack6, *cmdFBack7, *cmdFBack8;
    QPushButton *cmdNMNext1, *cmdNMNext2, *cmdNMNext3, *cmdNMNext4, *cmdNMNext5;
    QPushButton *cmdNMBack2, *cmdNMBack3, *cmdNMBack4, *cmdNMBack5, *cmdNMBack6;
    QPushButton *cmdNFNext1, *cmdNFNext2, *cmdNFNext3, *cmdNFNext4, *cmdNFNext5;
    QPushButton *cmdNFBack2, *cmdNFBack3, *cmdNFBack4, *cmdNFBack5, *cmdNFBack6;

    QAction* mnuBack;
    QAction* mnuOnline;
    QAction* mnuVisit;
    QAction* mnuUpdate;
    QAction* mnuAbout;

    void Form_Load() override;
    void cmdBack_Click();
    void cmdSave_Click();
    void mnuBack_Click();
    void mnuOnline_Click();
    void mnuVisit_Click();
    void mnuUpdate_Click();
    void mnuAbout_Click();
    void lblHyperlink_Click();
    void lblHomePage_Click();
    void Label36_Click();
    void Label58_Click();
    void Label13_Click();
    void lblAboutVisit_Click();

    void TSAll_Click();
    void TSD_Click();
    void TSM_Click();
    void TSF_Click();
    void TSNM_Click();
    void TSNF_Click();

    void cmdMNext1_Click() { PageTo(TSM, 2); }
    void cmdMNext2_Click() { PageTo(TSM, 3); }
    void cmdMNext3_Click() { PageTo(TSM, 4); }
    void cmdMNext4_Click() { PageTo(TSM, 5); }
    void cmdMNext5_Click() { PageTo(TSM, 6); }
    void cmdMNext6_Click() { PageTo(TSM, 7); }
    void cmdMNext7_Click() { PageTo(TSM, 8); }
    void cmdMBack2_Click() { PageTo(TSM, 1); }
    void cmdMBack3_Click() { PageTo(TSM, 2); }
    void cmdMBack4_Click() { PageTo(TSM, 3); }
    void cmdMBack5_Click() { PageTo(TSM, 4); }
    void cmdMBack6_Click() { PageTo(TSM, 5); }
    void cmdMBack7_Click() { PageTo(TSM, 6); }
    void cmdMBack8_Click() { PageTo(TSM, 7); }
    void cmdFNext1_Click() { PageTo(TSF, 2); }
    void cmdFNext2_Click() { PageTo(TSF, 3); }
    void cmdFNext3_Click() { PageTo(TSF, 4); }
    void cmdFNext4_Click() { PageTo(TSF, 5); }
    void cmdFNext5_Click() { PageTo(TSF, 6); }
    void cmdFNext6_Click() { PageTo(TSF, 7); }
    void cmdFNext7_Click() { PageTo(TSF, 8); }
    void cmdFBack2_Click() { PageTo(TSF, 1); }
    void cmdFBack3_Click() { PageTo(TSF, 2); }
    void cmdFBack4_Click() { PageTo(TSF, 3); }
    void cmdFBack5_Click() { PageTo(TSF, 4); }
    void cmdFBack6_Click() { PageTo(TSF, 5); }
    void cmdFBack7_Click() { PageTo(TSF, 6); }
    void cmdFBack8_Click() { PageTo(TSF, 7); }
    void cmdNMNext1_Click() { PageTo(TSNM, 2); }
    void cmdNMNext2_Click() { PageTo(TSNM, 3); }
    void cmdNMNext3_Click() { PageTo(TSNM, 4); }
    void cmdNMNext4_Click() { PageTo(TSNM, 5); }
    void cmdNMNext5_Click() { PageTo(TSNM, 6); }
    void cmdNMBack2_Click() { PageTo(TSNM, 1); }
    void cmdNMBack3_Click() { PageTo(TSNM, 2); }
    void cmdNMBack4_Click() { PageTo(TSNM, 3); }
    void cmdNMBack5_Click() { PageTo(TSNM, 4); }
    void cmdNMBack6_Click() { PageTo(TSNM, 5); }
    void cmdNFNext1_Click() { PageTo(TSNF, 2); }
    void cmdNFNext2_Click() { PageTo(TSNF, 3); }
    void cmdNFNext3_Click() { PageTo(TSNF, 4); }
    void cmdNFNext4_Click() { PageTo(TSNF, 5); }
    void cmdNFNext5_Click() { PageTo(TSNF, 6); }
    void cmdNFBack2_Click() { PageTo(TSNF, 1); }
    void cmdNFBack3_Click() { PageTo(TSNF, 2); }
    void cmdNFBack4_Click() { PageTo(TSNF, 3); }
    void cmdNFBack5_Click() { PageTo(TSNF, 4); }
    void cmdNFBack6_Click() { PageTo(TSNF, 5); }

    // One person's rashi page: the Vedic-name label and the 26 boxes in the
    // rashi table's field order (English Name .. Not Compatible With).
    QLabel* RashiNameLabel(KundaliPerson who) const;
    std::array<TextBox*, 26> RashiBoxes(KundaliPerson who) const;
    QLabel* RashiPicture(KundaliPerson who) const;
    // One person's nakshatra page: the name label and the 21 boxes in the
    // nakshatra table's field order (Rulling Deva .. Health).
    QLabel* NakshatraNameLabel(KundaliPerson who) const;
    std::array<TextBox*, 21> NakshatraBoxes(KundaliPerson who) const;
    QLabel* NakshatraPicture(KundaliPerson who) const;

    // Both pictures follow the pages' own keys (English names, nakshatra
    // labels); a key without a picture leaves its box as it is.
    void RefreshRashiPictures();
    void RefreshNakshatraPictures();

    // The design-time pictures of the information pages.
    static QPixmap DesignRashiPicture();
    static QPixmap DesignNakshatraPicture();

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    void PageTo(TabStrip* strip, int tab);

    void buildMatchTab();
    void buildRashiTab(KundaliPerson who);
    void buildNakshatraTab(KundaliPerson who);
    void buildAboutTab();
    void buildAboutBlock(QWidget* page, const QString& title, ClickLabel** link);
    void connectPaging();
};

// Fill one person's rashi or nakshatra page of the result window from the
// content tables (loading the window on first touch), then refresh both
// pictures of that kind. A name without a row leaves the pages as they were.
void ShowRashiInformation(KundaliPerson who, const std::string& signName);
void ShowNakshatraInformation(KundaliPerson who, const std::string& nakshatra);
// Fill the 44 cells of the score table from the kutas found, then show them
// in the result window's table (loading the window on first touch).
void ShowKutaScoreTable();

// One run of a Kundali report: bold, colour (none keeps the one in force),
// text; the text ends with its own line breaks.
struct KundaliReportRun {
    ReportWindow::Bold bold;
    std::optional<QColor> color;
    QString text;
    bool footer = false;
};
using KundaliReport = std::vector<KundaliReportRun>;

// The reports, built from the records and from the result window's controls
// as they stand now. The match report reads the score cells of the window.
KundaliReport MatchReportRuns(bool withFooters);
KundaliReport RashiReportRuns(KundaliPerson who);
KundaliReport NakshatraReportRuns(KundaliPerson who);
// Appends the runs at the end of the box; a run that fails is skipped.
void WriteKundaliRuns(RichTextBox* box, const KundaliReport& runs);

// Appends the match report's runs at the end of the box; the interpretation
// box takes it without the footer lines.
void WriteMatchReport(RichTextBox* box, bool withFooters);
