// Shared helpers of the Kundali window tests.
#pragma once

#include "frmMainKundali.h"
#include "modVedicCompatibility.h"

#include "Forms.h"
#include "MDI.h"
#include "ShellFixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

namespace kundalitest {

// One person as the user enters them.
struct Birth {
    QString name, day, month, year, hour, minute, second;
    QString zoneHour, zoneMinute, latDeg, latMin, longDeg, longMin;
    QString city, state, country;
    bool south = false, west = false, dst = false;
};

// 1 January 2000, 17:30 in Indian time at 82°30' E, 25° N: the same moment as
// noon at Greenwich, whose sidereal Moon the engine puts in Swati, Libra.
inline Birth asha()
{
    return {"Asha", "1", "January", "2000", "17", "30", "15", "-5", "30", "25", "0", "82", "30",
            "Varanasi", "Uttar Pradesh", "India"};
}

// 1 January 1900 at midnight, Greenwich: Moola, Sagittarius.
inline Birth ben()
{
    return {"Ben", "1", "January", "1900", "0", "0", "0", "0", "0", "51", "28", "0", "0",
            "Greenwich", "London", "United Kingdom"};
}

// 27 December 1999 at noon, Greenwich: Poorva Phalguni, Leo.
inline Birth leo()
{
    return {"Leona", "27", "December", "1999", "12", "0", "0", "0", "0", "51", "28", "0", "0",
            "Greenwich", "London", "United Kingdom"};
}

inline void pick(QComboBox* box, const QString& text)
{
    const int i = box->findText(text);
    ASSERT_GE(i, 0) << text.toStdString();
    box->setCurrentIndex(i);
}

inline void fillBoy(frmMainKundali& w, const Birth& b)
{
    w.txtMName->setText(b.name);
    pick(w.cboMDate, b.day);
    pick(w.cboMMonth, b.month);
    pick(w.cboMYear, b.year);
    pick(w.cboMHH, b.hour);
    pick(w.cboMMM, b.minute);
    pick(w.cboMSS, b.second);
    w.txtMZoneHour->setText(b.zoneHour);
    w.txtMZoneMinute->setText(b.zoneMinute);
    w.txtMLD->setText(b.latDeg);
    w.txtMLM->setText(b.latMin);
    w.txtMLoD->setText(b.longDeg);
    w.txtMLoM->setText(b.longMin);
    w.txtMCity->setText(b.city);
    w.txtMState->setText(b.state);
    w.txtMCountry->setText(b.country);
    (b.south ? w.optMSouth : w.optMNorth)->setChecked(true);
    (b.west ? w.optMWest : w.optMEast)->setChecked(true);
    w.chkMDST->setChecked(b.dst);
}

inline void fillGirl(frmMainKundali& w, const Birth& b)
{
    w.txtFName->setText(b.name);
    pick(w.cboFDate, b.day);
    pick(w.cboFMonth, b.month);
    pick(w.cboFYear, b.year);
    pick(w.cboFHH, b.hour);
    pick(w.cboFMM, b.minute);
    pick(w.cboFSS, b.second);
    w.txtFZoneHour->setText(b.zoneHour);
    w.txtFZoneMinute->setText(b.zoneMinute);
    w.txtFLD->setText(b.latDeg);
    w.txtFLM->setText(b.latMin);
    w.txtFLoD->setText(b.longDeg);
    w.txtFLoM->setText(b.longMin);
    w.txtFCity->setText(b.city);
    w.txtFState->setText(b.state);
    w.txtFCountry->setText(b.country);
    (b.south ? w.optFSouth : w.optFNorth)->setChecked(true);
    (b.west ? w.optFWest : w.optFEast)->setChecked(true);
    w.chkFDST->setChecked(b.dst);
}

class KundaliFixture : public ShellFixture {
protected:
    void SetUp() override
    {
        ShellFixture::SetUp();
        modVedicCompatibility::resetState();
        modVedicCompatibility::IsMaleTimeZone = false;
    }

    // The input window as the main window's "Kundali" launcher opens it.
    frmMainKundali& input()
    {
        mdi().cmdCallMainForm_Click(1);
        return forms::get<frmMainKundali>();
    }
};

} // namespace kundalitest
