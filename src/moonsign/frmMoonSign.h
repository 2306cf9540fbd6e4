#pragma once

#include "ImageList.h"
#include "TestWindow.h"

#include <array>

class ClickLabel;
class QAction;
class QGroupBox;
class QLabel;
class QPushButton;
class TextBox;

// The moon-sign test's result window: both persons' birth details and moon
// signs on one page, the pair's percentage, verdict and interpretation on
// the other.
class frmMoonSign : public ResultWindow {
    Q_OBJECT
public:
    static constexpr const char* FormName = "frmMoonSign";
    frmMoonSign();

    QPushButton* cmdBirthDetails;
    QPushButton* cmdMoonCompatibilityAnalysis;

    // Page 1.
    QGroupBox* Frame1;
    QGroupBox* fraUserM;
    QLabel* picMaleMoonSign;
    QLabel *lblNameM, *lblDOBM, *lblTOBM, *lblCityM, *lblStateM, *lblCountryM, *lblMoonM;
    TextBox *txtUserM, *txtDOBM, *txtTOBM, *txtCityM, *txtStateM, *txtCountryM, *txtMoonM;
    QGroupBox* fraUserF;
    QLabel* picFemaleMoonSign;
    QLabel *lblNameF, *lblDOBF, *lblTOBF, *lblCityF, *lblStateF, *lblCountryF, *lblMoonF;
    TextBox *txtUserF, *txtDOBF, *txtTOBF, *txtCityF, *txtStateF, *txtCountryF, *txtMoonF;

    // Page 2.
    QGroupBox* Frame2;
    QLabel* Label2;
    QLabel* Label1;
    QLabel* lblPercentage;
    QLabel* lblComment;
    QLabel* Label3;
    QLabel* lblDescription;
    ClickLabel* Label5;
    QLabel* Picture1;
    QLabel* Picture2;

    QPushButton* cmdPrint;
    QPushButton* cmdBack;
    ClickLabel* Label61;
    ImageList imgMaleMoonSign;

    QAction* mnuPrint;
    QAction* mnuBack;
    QAction* mnuExit;
    QAction* mnuOnline;
    QAction* mnuVisit;
    QAction* mnuUpdate;
    QAction* mnuAbout;

    void Form_Load() override;
    void cmdBirthDetails_Click();
    void cmdMoonCompatibilityAnalysis_Click();
    void cmdPrint_Click();
    void cmdBack_Click();
    void mnuPrint_Click();
    void mnuBack_Click();
    void mnuExit_Click();
    void mnuOnline_Click();
    void mnuVisit_Click();
    void mnuUpdate_Click();
    void mnuAbout_Click();
    void Label5_Click();
    void Label61_Click();

    // Shows one of the two pages, Frame1 or Frame2, in front of the other.
    void bringToFront(QGroupBox* page);

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    struct PersonWidgets {
        QLabel** picture;
        std::array<QLabel**, 7> labels;
        std::array<TextBox**, 7> boxes;
    };
    QGroupBox* buildPerson(QWidget* page, const QString& title, double left, const PersonWidgets& w);
    void setSignPicture(QLabel* picture, const std::string& sign);
};
