#pragma once

#include "TestWindow.h"

class ClickLabel;
class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The sun-sign test's input window: both persons' names and birthdays.
class frmMainZodiac : public InputWindow {
    Q_OBJECT
public:
    static constexpr const char* FormName = "frmMainZodiac";
    frmMainZodiac();

    QGroupBox* Frame2;
    QLabel* Label8;
    QGroupBox* fraDetails;
    QLineEdit* txtNameM;
    QComboBox* cboMonthM;
    QComboBox* cboDateM;
    QComboBox* cboYearM;
    QRadioButton* optSexM[2];
    ClickLabel* Label14;
    ClickLabel* Label3;
    QGroupBox* Frame1;
    QLineEdit* txtNameF;
    QComboBox* cboMonthF;
    QComboBox* cboDateF;
    QComboBox* cboYearF;
    QRadioButton* optSexF[2];
    QPushButton* cmdSunSign;

    QAction* mnuExit;
    QAction* mnuOnline;
    QAction* mnuVisit;
    QAction* mnuUpdate;
    QAction* mnuAbout;

    void Form_Load() override;
    void cmdSunSign_Click();
    void mnuExit_Click();
    void mnuOnline_Click();
    void mnuVisit_Click();
    void mnuUpdate_Click();
    void mnuAbout_Click();
    void Label14_Click();
    void Label3_Click();

    bool ValidateZodiacInput();

private:
    QGroupBox* personFrame(QWidget* body, const QString& title, double top, QLineEdit*& name,
                           QComboBox*& month, QComboBox*& day, QComboBox*& year, QRadioButton* sex[2]);
    bool validateDate(QComboBox* month, QComboBox* day, QComboBox* year);
};
