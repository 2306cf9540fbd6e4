#pragma once

#include "TestWindow.h"

class ClickLabel;
class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The moon-sign test's input window: both persons' births, times, zones and
// places, checked and then charted by the moon-sign engine.
class frmMainMoonSigncompatibility : public InputWindow {
    Q_OBJECT
public:
    static constexpr const char* FormName = "frmMainMoonSigncompatibility";
    frmMainMoonSigncompatibility();

    ClickLabel* Label61;
    QLabel* lblHeading;
    QGroupBox* fraMPerson;
    QGroupBox* fraFPerson;

    // The first person's controls; the partner's twins carry F for M.
    QLineEdit* txtMName;
    QComboBox* cboMMonth;
    QComboBox* cboMDate;
    QComboBox* cboMYear;
    QComboBox* cboMHH;
    QComboBox* cboMMM;
    QComboBox* cboMSS;
    QGroupBox* fraMZone;
    QCheckBox* chkMDST;
    QComboBox* cmbMTimeZone;
    QGroupBox* fraMLongitude;
    QLineEdit* txtMLonD;
    QLineEdit* txtMLonM;
    QRadioButton* optMLong[2]; // East, West
    QGroupBox* fraMLatitude;
    QLineEdit* txtMLatD;
    QLineEdit* txtMLatM;
    QRadioButton* optMLat[2]; // North, South
    QLineEdit* txtMCity;
    QLineEdit* txtMState;
    QLineEdit* txtMCountry;
    QPushButton* cmdMBrowser;

    QLineEdit* txtFName;
    QComboBox* cboFMonth;
    QComboBox* cboFDate;
    QComboBox* cboFYear;
    QComboBox* cboFHH;
    QComboBox* cboFMM;
    QComboBox* cboFSS;
    QGroupBox* fraFZone;
    QCheckBox* chkFDST;
    QComboBox* cmbFTimeZone;
    QGroupBox* fraFLongitude;
    QLineEdit* txtFLonD;
    QLineEdit* txtFLonM;
    QRadioButton* optFLong[2];
    QGroupBox* fraFLatitude;
    QLineEdit* txtFLatD;
    QLineEdit* txtFLatM;
    QRadioButton* optFLat[2];
    QLineEdit* txtFCity;
    QLineEdit* txtFState;
    QLineEdit* txtFCountry;
    QPushButton* cmdFBrowser;

    QPushButton* cmdRashi;

    QAction* mnuNext;
    QAction* mnuExit;
    QAction* mnuOnline;
    QAction* mnuVisit;
    QAction* mnuUpdate;
    QAction* mnuAbout;

    void Form_Load() override;
    void cmdRashi_Click();
    void mnuNext_Click();
    void cmdMBrowser_Click();
    void cmdFBrowser_Click();
    void Label61_Click();
    void mnuExit_Click();
    void mnuOnline_Click();
    void mnuVisit_Click();
    void mnuUpdate_Click();
    void mnuAbout_Click();

    // The zone values of the chosen row of each person's list, into the
    // moon-sign engine's ZoneHoursValue and ZoneMinutesValue.
    void Zone_Calculation();
    void Zone_Calculation_female();

    bool ValidateMoonSignInput();

private:
    struct Person {
        QGroupBox** panel;
        QLineEdit** name;
        QComboBox** month;
        QComboBox** day;
        QComboBox** year;
        QComboBox** hour;
        QComboBox** minute;
        QComboBox** second;
        QGroupBox** zoneFrame;
        QCheckBox** dst;
        QComboBox** zone;
        QGroupBox** longitudeFrame;
        QLineEdit** lonD;
        QLineEdit** lonM;
        QRadioButton** lon;
        QGroupBox** latitudeFrame;
        QLineEdit** latD;
        QLineEdit** latM;
        QRadioButton** lat;
        QLineEdit** city;
        QLineEdit** state;
        QLineEdit** country;
        QPushButton** browser;
    };
    void buildPanel(const Person& p, double left);
    void fillLists(const Person& p, bool partner);
    void chart(const Person& p);
    static void zoneValues(const QComboBox* list);

    Person personM_{}, personF_{};
};
