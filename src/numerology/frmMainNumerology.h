#pragma once

#include "TestWindow.h"

#include <QString>

#include <array>

class ClickLabel;
class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The numerology test's input window: both persons' names and birth dates,
// and the three readings (life path, destiny, comprehensive) that fill the
// result windows.
class frmMainNumerology : public InputWindow {
    Q_OBJECT
public:
    static constexpr const char* FormName = "frmMainNumerology";
    frmMainNumerology();

    QLabel* lblHeading;
    QGroupBox* Frame1;
    ClickLabel* Label61;
    QGroupBox* Frame2;
    QLabel* lblNote;
    QGroupBox* fraM;
    QLineEdit *txtMF, *txtMM, *txtML;
    QComboBox *cboMD, *cboMM, *cboMY;
    QGroupBox* fraF;
    QLineEdit *txtFF, *txtFM, *txtFL;
    QComboBox *cboFD, *cboFM, *cboFY;
    QPushButton* cmdExit;
    QPushButton* cmdCR;
    QPushButton* cmdLP;
    QPushButton* cmdD;
    std::array<QPushButton*, 2> cmdNav{}; // only element 1 exists

    QAction* mnuComprehensive;
    QAction* mnuLifePath;
    QAction* mnuDestiny;
    QAction* mnuExit;
    QAction* mnuOnline;
    QAction* mnuVisit;
    QAction* mnuUpdate;
    QAction* mnuAbout;

    void Form_Load() override;
    void cmdLP_Click();
    void cmdD_Click();
    void cmdCR_Click();
    void cmdExit_Click();
    void cmdNav_Click(int Index);
    void mnuLifePath_Click();
    void mnuDestiny_Click();
    void mnuComprehensive_Click();
    void mnuExit_Click();
    void mnuOnline_Click();
    void mnuVisit_Click();
    void mnuUpdate_Click();
    void mnuAbout_Click();
    void Label61_Click();

    static int SingleDigitNumber(const QString& dt, const QString& mon, const QString& yr);
    static int StringToNumber(const QString& name);

    // What the last readings worked out; kept while the window is loaded.
    bool ComprehensiveMode = false;
    QString MaleDay, MaleMonth, MaleYear;
    QString FemaleDay, FemaleMonth, FemaleYear;
    int MaleLifePath = 0, FemaleLifePath = 0;
    QString LifePathKey, LifePathText;
    QString MaleFullName, FemaleFullName;
    int MaleDestiny = 0, FemaleDestiny = 0;
    QString DestinyKey, DestinyText;

private:
    bool ValidateNumerologyInput();
    static QString GetNumberPairDescription(const QString& key);

    QGroupBox* personFrame(const QString& title, double left, QLineEdit*& first, QLineEdit*& middle,
                           QLineEdit*& last, QComboBox*& day, QComboBox*& month, QComboBox*& year);
    void storeDates();
    // Writes a life-path or destiny result into frmDisp, or appends it to the
    // comprehensive reading while one runs.
    void showReading(const QString& title, const QString& displayHeading, const QString& documentHeading,
                     int first, int second, const QString& text);
};
