#pragma once

#include "frmVedicResult.h"
#include "KundaliMatchSteps.h"
#include "modVedicCompatibility.h"

#include "Forms.h"
#include "MDI.h"
#include "RichTextBox.h"
#include "ShellFixture.h"
#include "TabStrip.h"
#include "TestWindow.h"

#include <QApplication>
#include <QTest>

#include <string>

// Result-window tests: the records are filled here as the input window's
// calculation fills them, and the pages, score cells and interpretation are
// written in the calculation's order (boy before girl).
class KundaliResult : public ShellFixture {
protected:
    struct Person {
        std::string name, day, month, year;
        int hour = 0, minute = 0, second = 0;
        std::string place;
    };

    void SetUp() override
    {
        ShellFixture::SetUp();
        modVedicCompatibility::resetState();
    }
    void TearDown() override
    {
        ShellFixture::TearDown();
        modVedicCompatibility::resetState();
    }

    static void setPersons(const Person& boy, const Person& girl)
    {
        auto& s = modVedicCompatibility::state();
        auto put = [](modVedicCompatibility::KundaliPersonDetails& d, const Person& p) {
            d.Name = p.name;
            d.BirthDay = p.day;
            d.BirthMonth = p.month;
            d.BirthYear = p.year;
            d.BirthHour = p.hour;
            d.BirthMinute = p.minute;
            d.BirthSecond = p.second;
            d.BirthPlace = p.place;
        };
        put(s.Boy, boy);
        put(s.Girl, girl);
    }

    static Person arjun()
    {
        return {"Arjun", "5", "January", "1980", 5, 7, 0, "Pune, Maharashtra, India"};
    }
    static Person meera()
    {
        return {"Meera", "14", "August", "1983", 9, 5, 0, "Kochi, Kerala, India"};
    }

    // The calculation from its kuta step on: classes and points, the four
    // pages, the summary lists, the 44 cells, the interpretation, then the
    // window shown and the main window's panel hidden.
    static frmVedicResult& calculate(const std::string& boySign, const std::string& girlSign,
                                     const std::string& boyNakshatra, const std::string& girlNakshatra)
    {
        frmVedicResult& w = FillKundaliMatch(boySign, girlSign, boyNakshatra, girlNakshatra);
        WriteMatchReport(w.RTB, false);
        mdi().show();
        w.Show();
        HideWelcomePanel();
        return w;
    }

    // The window loaded and shown, as the user sees it, with no match in it.
    static frmVedicResult& shownWindow()
    {
        mdi().show();
        frmVedicResult& w = forms::get<frmVedicResult>();
        w.Show();
        return w;
    }

    static frmVedicResult& realMatch()
    {
        setPersons(arjun(), meera());
        return calculate("Aries", "Pisces", "Ashwini", "Revati");
    }

    // A left click in the middle of a tab, as the user picks it.
    static void clickTab(MultiRowTabStrip* strip, int tab)
    {
        QTest::mouseClick(strip, Qt::LeftButton, {}, strip->TabRect(tab).center());
    }
    static void click(QWidget* w)
    {
        QTest::mouseClick(w, Qt::LeftButton);
    }
};
