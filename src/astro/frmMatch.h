#pragma once

#include "TestWindow.h"

#include <array>

class ClickLabel;
class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The planetary test's input window: both persons' births with time zone,
// coordinates and place.
class frmMatch : public InputWindow {
    Q_OBJECT
public:
    static constexpr const char* FormName = "frmMatch";
    frmMatch();

    QLabel* Label1;
    ClickLabel* Label61;
    QLabel* Label7;
    QPushButton* cmdCalculate;
    std::array<QPushButton*, 2> cmdNav{}; // entry 1 only: "Exit"

    // First person ("Male").
    QGroupBox* fraMale;
    QLineEdit* txtMName;
    QComboBox* cboMDate;
    QComboBox* cboMMonth;
    QComboBox* cboMYear;
    QComboBox* cboMHH;
    QComboBox* cboMMM;
    QComboBox* cboMSS;
    QCheckBox* chkMDST;
    QComboBox* cmbMTimeZone;
    QLineEdit* txtMLD;
    QLineEdit* txtMLM;
    std::array<QRadioButton*, 2> optMLong{}; // latitude: 0 "North", 1 "South"
    QLineEdit* txtMLoD;
    QLineEdit* txtMLoM;
    std::array<QRadioButton*, 2> optMLat{}; // longitude: 0 "East", 1 "West"
    QLineEdit* txtMCity;
    QLineEdit* txtMState;
    QLineEdit* txtMCountry;
    QPushButton* Command1;

    // Partner ("Female").
    QGroupBox* fraFemale;
    QLineEdit* txtFName;
    QComboBox* cboFDate;
    QComboBox* cboFMonth;
    QComboBox* cboFYear;
    QComboBox* cboFHH;
    QComboBox* cboFMM;
    QComboBox* cboFSS;
    QCheckBox* chkFDST;
    QComboBox* cmbFTimeZone;
    QLineEdit* txtFLD;
    QLineEdit* txtFLM;
    std::array<QRadioButton*, 2> optFLong{};
    QLineEdit* txtFLoD;
    QLineEdit* txtFLoM;
    std::array<QRadioButton*, 2> optFLat{};
    QLineEdit* txtFCity;
    QLineEdit* txtFState;
    QLineEdit* txtFCountry;
    QPushButton* Command2;

    QAction* mnuCalculate;
    QAction* mnuExit;
    QAction* mnuOnline;
    QAction* mnuVisit;
    QAction* mnuUpdate;
    QAction* mnuAbout;

    void Form_Load() override;
    void cmdCalculate_Click();
    void mnuCalculate_Click();
    void Command1_Click();
    void Command2_Click();
    void cmdNav_Click(int Index);
    void mnuExit_Click();
    void Label61_Click();
    void mnuOnline_Click();
    void mnuVisit_Click();
    void mnuUpdate_Click();
    void mnuAbout_Click();

    bool ValidateMatchInput();

private:
    // Letters and blanks for names and places, digits for coordinates: the
    // key filters drop a refused character, then these give its message.
    void LetterBox_Refused(QLineEdit* box);
    void DigitBox_Refused(QLineEdit* box);

    struct Person {
        QGroupBox* frame;
        QLineEdit* name;
        QComboBox *date, *month, *year, *hour, *minute, *second;
        QCheckBox* dst;
        QComboBox* zone;
        QLineEdit *latDegrees, *latMinutes;
        std::array<QRadioButton*, 2> latDirection; // North, South
        QLineEdit *lonDegrees, *lonMinutes;
        std::array<QRadioButton*, 2> lonDirection; // East, West
        QLineEdit *city, *state, *country;
        QPushButton* search;
    };
    Person buildPerson(QWidget* body, const QString& title, double left);
    bool validatePerson(const Person& p, bool first);
    bool validateDate(const Person& p, bool first);
    void chart(const Person& p, bool first);

    Person male_{};
    Person female_{};
};
