#pragma once

#include "ElidingLabel.h"
#include "ImageList.h"
#include "TestWindow.h"

#include <array>

class ClickLabel;
class QAction;
class QGroupBox;
class QLabel;
class QPushButton;
class LineBox;
class TabStrip;
class TextBox;

// The sun-sign test's result window: the pair's verdict, then each person's
// sign with its details, on three pages of a tab strip.
class frmSunSign : public ResultWindow {
    Q_OBJECT
public:
    static constexpr const char* FormName = "frmSunSign";
    frmSunSign();

    QPushButton* cmdBack;
    TabStrip* TS;
    ImageList IMG;
    ClickLabel* Label24;

    // Page 1.
    QGroupBox* Frame3;
    QLabel* lblMatchPercentage;
    QLabel* lblMatchComment;
    QLabel* lblMatchSunSigns;
    QLabel* lblMatchDescription;
    QLabel* Image1;
    QLabel* Image2;
    ClickLabel* lblHyperlink;
    QPushButton* cmdSave;

    // Page 2.
    QGroupBox* Frame1;
    QGroupBox* fraUserM;
    QLabel* picSunSignM;
    ElidingLabel* lblNameM; // a long name is shortened, whole in its tool tip
    QLabel* lblDOBDescM;
    QLabel* lblDOBM;
    QLabel* lblSunSignM;
    QGroupBox* fraSunSignM;
    LineBox *txtElementM, *txtRulingPlanetM, *txtLuckyNumberM, *txtLuckyColorM, *txtLuckyDayM, *txtCompatibilityM,
        *txtBirthStoneM, *txtQualityM;
    TextBox *txtPositiveTraitsM, *txtNegativeTraitsM, *txtFamousPersonsM;

    // Page 3.
    QGroupBox* Frame2;
    QGroupBox* fraUserF;
    QLabel* picSunSignF;
    ElidingLabel* lblNameF;
    QLabel* lblDOBDescF;
    QLabel* lblDOBF;
    QLabel* lblSunSignF;
    QGroupBox* fraSunSignF;
    LineBox *txtElementF, *txtRulingPlanetF, *txtLuckyNumberF, *txtLuckyColorF, *txtLuckyDayF, *txtCompatibilityF,
        *txtBirthStoneF, *txtQualityF;
    TextBox *txtPositiveTraitsF, *txtNegativeTraitsF, *txtFamousPersonsF;

    QAction* mnuBack;
    QAction* mnuExit;
    QAction* mnuOnline;
    QAction* mnuVisit;
    QAction* mnuUpdate;
    QAction* mnuAbout;

    void Form_Load() override;
    void TS_Click();
    void cmdBack_Click();
    void cmdSave_Click();
    void mnuBack_Click();
    void mnuExit_Click();
    void mnuOnline_Click();
    void mnuVisit_Click();
    void mnuUpdate_Click();
    void mnuAbout_Click();
    void lblHyperlink_Click();
    void Label24_Click();

    // A person's detail boxes in the order of their rows, one-line or not.
    const std::array<QWidget*, 11>& DetailBoxes(bool male) const { return (male ? personM_ : personF_).boxes; }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    struct PersonWidgets {
        QGroupBox** fraUser;
        QLabel** picSunSign;
        ElidingLabel** lblName;
        QLabel** lblDOBDesc;
        QLabel** lblDOB;
        QLabel** lblSunSign;
        QGroupBox** fraSunSign;
        // The one-line and the multi-line boxes, each in the order of the rows.
        std::array<LineBox**, 8> lines;
        std::array<TextBox**, 3> prose;
        std::array<QWidget*, 11> boxes; // all of them in row order, once built
    };
    QGroupBox* buildPersonPage(QWidget* body, const QString& title, const QString& detailsTitle,
                               const QString& dobCaption, const QString& signCaption, PersonWidgets& w);
    void fillPerson(const PersonWidgets& w, const std::string& sign, const std::string& name,
                    const QString& dob, QLabel* matchPicture);

    PersonWidgets personM_{}, personF_{};
};
