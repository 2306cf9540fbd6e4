#pragma once

#include "TestWindow.h"

#include "Desktop.h"

#include <string>

class ClickLabel;
class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;

namespace modVedicCompatibility {
struct KundaliPersonDetails;
}

// The Kundali match's input window: the boy's and the girl's birth details,
// the match itself, and the opening of a saved reading.
class frmMainKundali : public InputWindow {
    Q_OBJECT
public:
    static constexpr const char* FormName = "frmMainKundali";
    frmMainKundali();

    QLabel* Label62;
    ClickLabel* Label61;
    QPushButton* cmdOpen;
    QGroupBox* Frame1;
    QGroupBox* Frame2;
    QLabel* Label7;
    QPushButton* cmdCalculate;
    QPushButton* cmdExit;
    platform::CommonDialog CD;

    // The boy's details (Frame1).
    QLineEdit* txtMName;
    QComboBox* cboMDate;
    QComboBox* cboMMonth;
    QComboBox* cboMYear;
    QComboBox* cboMHH;
    QComboBox* cboMMM;
    QComboBox* cboMSS;
    QLineEdit* txtMZoneHour;
    QLineEdit* txtMZoneMinute;
    ClickLabel* lblMTZHelp;
    QCheckBox* chkMDST;
    QLineEdit* txtMLD;
    QGroupBox* Frame3;
    QRadioButton* optMNorth;
    QRadioButton* optMSouth;
    QLineEdit* txtMLM;
    QLineEdit* txtMLoD;
    QGroupBox* Frame4;
    QRadioButton* optMEast;
    QRadioButton* optMWest;
    QLineEdit* txtMLoM;
    QLineEdit* txtMCity;
    QLineEdit* txtMState;
    QLineEdit* txtMCountry;
    QPushButton* cmdMaleBrowse;

    // The girl's details (Frame2).
    QLineEdit* txtFName;
    QComboBox* cboFDate;
    QComboBox* cboFMonth;
    QComboBox* cboFYear;
    QComboBox* cboFHH;
    QComboBox* cboFMM;
    QComboBox* cboFSS;
    QLineEdit* txtFZoneHour;
    QLineEdit* txtFZoneMinute;
    ClickLabel* lblFTZHelp;
    QCheckBox* chkFDST;
    QLineEdit* txtFLD;
    QGroupBox* Frame6;
    QRadioButton* optFNorth;
    QRadioButton* optFSouth;
    QLineEdit* txtFLM;
    QLineEdit* txtFLoD;
    QGroupBox* Frame7;
    QRadioButton* optFEast;
    QRadioButton* optFWest;
    QLineEdit* txtFLoM;
    QLineEdit* txtFCity;
    QLineEdit* txtFState;
    QLineEdit* txtFCountry;
    QPushButton* cmdFemaleBrowse;

    QMenu* mnuFile;
    QAction* mnuCalculate;
    QAction* mnuExit;
    QAction* mnuOnline;
    QAction* mnuVisit;
    QAction* mnuUpdate;
    QAction* mnuAbout;

    void Form_Load() override;

    void cmdCalculate_Click();
    void mnuCalculate_Click();
    void cmdOpen_Click();
    void cmdExit_Click();
    void mnuExit_Click();
    void cmdMaleBrowse_Click();
    void cmdFemaleBrowse_Click();
    void lblMTZHelp_Click();
    void lblFTZHelp_Click();
    void Label61_Click();
    void mnuOnline_Click();
    void mnuVisit_Click();
    void mnuUpdate_Click();
    void mnuAbout_Click();

    bool ValidateKundaliInput();

    // The key filters' two refusal messages.
    static const QString OnlyNumbersMessage;    // "Please Enter Only Numbers"
    static const QString OnlyCharactersMessage; // "Please Enter Only Characters"

private:
    // One person's controls, for the code both persons share.
    struct Person {
        QLineEdit *name, *zoneHour, *zoneMinute, *latDeg, *latMin, *longDeg, *longMin, *city, *state, *country;
        QComboBox *date, *month, *year, *hour, *minute, *second;
        QRadioButton *north, *south, *east, *west;
        QCheckBox* dst;
    };
    Person boy() const;
    Person girl() const;

    void ReadBoyDetails();
    void ReadGirlDetails();
    void ReadPerson(const Person& p, modVedicCompatibility::KundaliPersonDetails& details, std::string& moonSign,
                    std::string& nakshatra);
};
