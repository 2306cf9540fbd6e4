// Shared steps of the moon-sign window tests.
#pragma once

#include "frmMainMoonSigncompatibility.h"
#include "frmMoonSign.h"
#include "MoonSignRules.h"
#include "modMoonsign.h"

#include "ClickLabel.h"
#include "Engine.h"
#include "Forms.h"
#include "MDI.h"
#include "ShellFixture.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QCheckBox>

#include <chrono>

namespace moonsigntest {

// One person's entries as a user makes them.
struct Birth {
    QString name = QStringLiteral("Asha");
    QString month = QStringLiteral("January");
    QString day = QStringLiteral("1");
    QString year = QStringLiteral("2000");
    QString hour = QStringLiteral("12"), minute = QStringLiteral("0"), second = QStringLiteral("0");
    int zoneRow = 29;
    bool dst = false;
    QString lonD = QStringLiteral("0"), lonM = QStringLiteral("0");
    bool west = false;
    QString latD = QStringLiteral("0"), latM = QStringLiteral("0");
    bool south = false;
    QString city, state, country;
};

// Births of the engine's own checks, and the tropical Moon they give.
inline Birth j2000() // Moon 223.3: Scorpio
{
    return {};
}
inline Birth april1992() // Moon 133.2: Leo
{
    Birth b;
    b.name = QStringLiteral("Ben");
    b.month = QStringLiteral("April");
    b.day = QStringLiteral("12");
    b.year = QStringLiteral("1992");
    b.hour = QStringLiteral("0");
    return b;
}
inline Birth delhi1990() // 10:30 Indian time, Moon 72.6: Gemini
{
    Birth b;
    b.name = QStringLiteral("Chitra");
    b.month = QStringLiteral("August");
    b.day = QStringLiteral("15");
    b.year = QStringLiteral("1990");
    b.hour = QStringLiteral("10");
    b.minute = QStringLiteral("30");
    b.zoneRow = 34;
    b.lonD = QStringLiteral("77");
    b.lonM = QStringLiteral("13");
    b.latD = QStringLiteral("28");
    b.latM = QStringLiteral("37");
    b.city = QStringLiteral("New Delhi");
    b.state = QStringLiteral("Delhi");
    b.country = QStringLiteral("India");
    return b;
}
inline Birth west2043() // 4:04, three hours west, Moon 351.3: Pisces
{
    Birth b;
    b.name = QStringLiteral("Dara");
    b.month = QStringLiteral("May");
    b.day = QStringLiteral("5");
    b.year = QStringLiteral("2043");
    b.hour = QStringLiteral("4");
    b.minute = QStringLiteral("4");
    b.zoneRow = 14; // Brazil Zone 2, -3.0
    b.lonD = QStringLiteral("43");
    b.lonM = QStringLiteral("10");
    b.west = true;
    b.latD = QStringLiteral("22");
    b.latM = QStringLiteral("54");
    b.south = true;
    return b;
}
inline Birth west2043NextDay() // a day later the Moon has moved 12 to 15 degrees on: early Aries
{
    Birth b = west2043();
    b.name = QStringLiteral("Eli");
    b.day = QStringLiteral("6");
    return b;
}

class MoonSignFixture : public ShellFixture {
protected:
    void SetUp() override
    {
        ShellFixture::SetUp();
        moonsign::state() = moonsign::State{};
        modMoonsign::state().PairComment.clear();
        engine::modMoonSignWestern::IsMaleChart = 0;
        engine::setTodayProvider([] { return std::chrono::year{2026} / 12 / 10; });
    }
    void TearDown() override
    {
        engine::setTodayProvider({});
        ShellFixture::TearDown();
    }

    // The main window's "Moon Sign" launcher.
    frmMainMoonSigncompatibility& input()
    {
        mdi().cmdCallMainForm_Click(3);
        return forms::get<frmMainMoonSigncompatibility>();
    }

    static void pick(QComboBox* box, const QString& text)
    {
        const int i = box->findText(text);
        ASSERT_GE(i, 0) << text.toStdString();
        box->setCurrentIndex(i);
    }

    static void enter(frmMainMoonSigncompatibility& w, const Birth& b, bool partner)
    {
        auto f = [partner](auto* m, auto* fem) { return partner ? fem : m; };
        f(w.txtMName, w.txtFName)->setText(b.name);
        pick(f(w.cboMMonth, w.cboFMonth), b.month);
        pick(f(w.cboMDate, w.cboFDate), b.day);
        pick(f(w.cboMYear, w.cboFYear), b.year);
        pick(f(w.cboMHH, w.cboFHH), b.hour);
        pick(f(w.cboMMM, w.cboFMM), b.minute);
        pick(f(w.cboMSS, w.cboFSS), b.second);
        f(w.cmbMTimeZone, w.cmbFTimeZone)->setCurrentIndex(b.zoneRow);
        f(w.chkMDST, w.chkFDST)->setChecked(b.dst);
        f(w.txtMLonD, w.txtFLonD)->setText(b.lonD);
        f(w.txtMLonM, w.txtFLonM)->setText(b.lonM);
        (partner ? w.optFLong : w.optMLong)[b.west ? 1 : 0]->setChecked(true);
        f(w.txtMLatD, w.txtFLatD)->setText(b.latD);
        f(w.txtMLatM, w.txtFLatM)->setText(b.latM);
        (partner ? w.optFLat : w.optMLat)[b.south ? 1 : 0]->setChecked(true);
        f(w.txtMCity, w.txtFCity)->setText(b.city);
        f(w.txtMState, w.txtFState)->setText(b.state);
        f(w.txtMCountry, w.txtFCountry)->setText(b.country);
    }

    // Enters both persons in a freshly launched window.
    frmMainMoonSigncompatibility& entered(const Birth& first, const Birth& partner)
    {
        frmMainMoonSigncompatibility& w = input();
        enter(w, first, false);
        enter(w, partner, true);
        return w;
    }

    // Enters both persons and presses the button.
    frmMoonSign& calculate(const Birth& first, const Birth& partner)
    {
        entered(first, partner).cmdRashi_Click();
        return forms::get<frmMoonSign>();
    }
};

} // namespace moonsigntest
