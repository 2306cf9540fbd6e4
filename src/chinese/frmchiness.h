#pragma once

#include "ImageList.h"
#include "TestWindow.h"

#include <array>

class ClickLabel;
class LineBox;
class QAction;
class QGroupBox;
class QLabel;
class QPushButton;
class TabStrip;
class TextBox;

// The twelve animal pictures keyed by the Western sign each animal's record
// names, in the order the result window searches them.
struct ChineseImage {
    const char* key;    // Western sign
    const char* animal; // picture file name
};
extern const std::array<ChineseImage, 12> ChineseImages;
// The pictures at the given size; a picture whose file is missing is null.
ImageList ChineseImageList(int size);

// The Chinese test's result window: the pair's result, then each person's
// sign details, on three tabs. The input window's calculation fills it.
class frmchiness : public ResultWindow {
    Q_OBJECT
public:
    static constexpr const char* FormName = "frmchiness";
    frmchiness();

    TabStrip* SSTab;
    QPushButton* cmdBack;
    QPushButton* cmdPrint;
    QPushButton* cmdExit;
    ClickLabel* Label1;
    ImageList IMG;

    // Tab 0: the pair.
    QGroupBox* fracompalibility;
    QLabel* Label36;
    QLabel* lblChineseCompatibilityNumber;
    QLabel* Label37;
    QLabel* lblChinesePercentage;
    QLabel* Label38;
    QLabel* lblChineseRating;
    QLabel* lblMatchingDescription;
    TextBox* txtMatchingDescription;

    // Tab 1: the first person.
    QGroupBox* Framale;
    QLabel *Label2, *Label14, *Label3, *Label5, *Label6, *Label4, *Label7, *Label8, *Label9, *Label17, *Label10,
        *Label11, *Label12;
    LineBox *txtMaleRulingPlanet, *txtMaleWesternZodiacSign, *txtMaleGemStone, *txtMaleLuckycolour, *txtMaleEnergy,
        *txtMaleLuckySeasons, *txtMaleLuckyMonth, *txtMaleLuckyNumber, *txtMaleMostCompatibleSign,
        *txtMAleLeastCompatibleSign;
    TextBox *txtMalePositiveTraits, *txtMaleNegativeTraits, *txtMaleFamousPersonBorn;
    QLabel* YourPicture;
    QLabel* Label13;
    QLabel* lblMaleChinesesign;
    QLabel* Label15;
    QLabel* lblMaleChineseElements;
    QLabel* Label18;
    TextBox* txtMaleElementDescription;

    // Tab 2: the partner.
    QGroupBox* Frafemale;
    QLabel *Label20, *Label34, *Label22, *Label23, *Label24, *Label25, *Label26, *Label27, *Label28, *Label32,
        *Label29, *Label30, *Label31;
    LineBox *txtFemaleRulingPlanet, *txtFemaleWesternZodiacSign, *txtFemaleGemStone, *txtFemaleLuckycolour,
        *txtFemaleEnergy, *txtFemaleLuckySeasons, *txtFemaleLuckyMonth, *txtFemaleLuckyNumber,
        *txtFemaleMostCompatibleSign, *txtFemaleLeastCompitibleSign;
    TextBox *txtFemalePositiveTraits, *txtFemaleNegativeTraits, *txtFemaleFamousPerson;
    QLabel* YourPartnerPicture;
    QLabel* Label21;
    QLabel* lblFemaleChineseSign;
    QLabel* Label33;
    QLabel* lblFemaleChineseElements;
    QLabel* Label35;
    TextBox* txtFemaleelementDescription;

    QAction* mnuBack;
    QAction* mnuPrint;
    QAction* mnuExit;
    QAction* mnuOnline;
    QAction* mnuVisit;
    QAction* mnuUpdate;
    QAction* mnuAbout;

    void Form_Load() override;
    void SSTab_Click();
    void cmdBack_Click();
    void cmdPrint_Click();
    void cmdExit_Click();
    void mnuBack_Click();
    void mnuPrint_Click();
    void mnuExit_Click();
    void mnuOnline_Click();
    void mnuVisit_Click();
    void mnuUpdate_Click();
    void mnuAbout_Click();
    void Label1_Click();

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    struct PersonPage {
        QGroupBox** frame;
        std::array<QLabel**, 13> captions;
        // The one-line and the multi-line boxes, each in the order of the rows.
        std::array<LineBox**, 10> lines;
        std::array<TextBox**, 3> prose;
        QLabel** picture;
        QLabel** signCaption;
        QLabel** sign;
        QLabel** elementCaption;
        QLabel** element;
        QLabel** descriptionCaption;
        TextBox** description;
    };
    void buildPersonPage(const PersonPage& p, const QString& signCaption, const QString& elementCaption);
};
