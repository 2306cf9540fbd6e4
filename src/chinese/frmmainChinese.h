#pragma once

#include "TestWindow.h"

class ClickLabel;
class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class frmchiness;

// The Chinese zodiac test's input window: both persons' names and birthdays.
// Its button runs the whole test and opens the result window.
class frmmainChinese : public InputWindow {
    Q_OBJECT
public:
    static constexpr const char* FormName = "frmmainChinese";
    frmmainChinese();

    ClickLabel* Label1;
    ClickLabel* Label2;
    QGroupBox* Frame3[2];
    QLabel* Label5[2];
    QGroupBox* Frame1;
    QLabel* Label3;
    QLineEdit* txtMaleName;
    QLabel* Label4;
    QComboBox* cboMaleMonth;
    QComboBox* CboMaleDate;
    QComboBox* cboMaleYear;
    QGroupBox* Frame2;
    QLabel* Label6;
    QLineEdit* txtFemaleName;
    QLabel* Label7;
    QComboBox* cboFemaleMonth;
    QComboBox* cboFemaleDate;
    QComboBox* cboFemaleYear;
    QPushButton* cmdProceed;

    QAction* mnuExit;
    QAction* mnuOnline;
    QAction* mnuVisit;
    QAction* mnuUpdate;
    QAction* mnuAbout;

    void Form_Load() override;
    void cmdProceed_Click();
    void Label1_Click();
    void Label2_Click();
    void mnuExit_Click();
    void mnuOnline_Click();
    void mnuVisit_Click();
    void mnuUpdate_Click();
    void mnuAbout_Click();

private:
    bool ValidateChineseInput();
    bool validateDate(QComboBox* month, QComboBox* day, QComboBox* year);
    QGroupBox* personFrame(const QString& title, double top, QLabel*& nameCaption, QLineEdit*& name,
                           QLabel*& dateCaption, QComboBox*& month, QComboBox*& day, QComboBox*& year);
    void writeResultWindow(frmchiness& result);
};
