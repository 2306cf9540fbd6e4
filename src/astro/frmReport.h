#pragma once

#include "ElidingLabel.h"
#include "Form.h"

#include <array>
#include <cstddef>

class QGroupBox;
class QLabel;
class QPushButton;

// The planetary test's natal-positions window: both persons, the pair's
// score and each person's fourteen positions. The calculation of the input
// window writes everything but the persons, which it copies when it loads.
class frmReport : public Form {
    Q_OBJECT
public:
    static constexpr const char* FormName = "frmReport";
    static constexpr std::size_t PositionCount = 14;
    frmReport();

    QLabel* Image1;
    QLabel* lblHeading;

    QGroupBox* fraMale;
    // Names and places as typed, of any length: shortened to the frame with
    // the whole text in a tool tip.
    ElidingLabel *mName, *mDOB, *mCity, *mState, *Mcountry;
    QGroupBox* fraFemale;
    ElidingLabel *fName, *fDOB, *fCity, *fState, *fCountry;

    QGroupBox* fraCompatibility;
    QLabel* lblIntroduction;
    std::array<QLabel*, 3> lblParagraph{};
    QGroupBox* fraReport;
    QLabel *lblPower, *lblHarmony, *lblPH, *lblPercentage, *lblComment;

    QGroupBox* fraNatal;
    QGroupBox* fraNatalMale;
    QGroupBox* fraNatalFemale;
    // Sun, Moon, Mercury, Venus, Mars, Jupiter, Saturn, Uranus, Neptune,
    // Pluto, N Node (Rahu), S Node (Ketu), Asc, MC.
    std::array<QLabel*, PositionCount> lblPlanetPosition_Male{};
    std::array<QLabel*, PositionCount> lblPlanetPosition_Female{};
    QLabel *mMC, *mC, *fMC, *fC; // a second "MC" row and "Chiron": nothing writes them

    QLabel* lblCredit;
    // The way back to the launchers: the window has no title bar to close it by.
    QPushButton* cmdBack;

    void Form_Load() override;
    void cmdBack_Click();

private:
    QGroupBox* personFrame(QWidget* parent, const QString& title, double left, double top,
                           std::array<ElidingLabel*, 5>& values);
    QGroupBox* positionTable(QWidget* parent, const QString& title, double left,
                             std::array<QLabel*, PositionCount>& values, QLabel*& secondMC, QLabel*& chiron);
};
