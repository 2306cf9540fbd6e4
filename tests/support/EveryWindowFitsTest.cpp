#include "TextFit.h"

#include "frmAbout.h"
#include "frmDisp.h"
#include "frmMainKundali.h"
#include "frmMainMoonSigncompatibility.h"
#include "frmMainNumerology.h"
#include "frmMainZodiac.h"
#include "frmMatch.h"
#include "frmMoonSign.h"
#include "frmReport.h"
#include "frmSaveChinese.h"
#include "frmSaveDocumentNumerology.h"
#include "frmSaveKundali.h"
#include "frmSaveMoonSign.h"
#include "frmSaveZodiac.h"
#include "frmSunSign.h"
#include "frmTimeZone.h"
#include "frmVedicResult.h"
#include "frmchiness.h"
#include "frmmainChinese.h"
#include "modNakshatraInformation.h"
#include "modRashiInformation.h"
#include "modSunSign.h"
#include "MoonSignRules.h"
#include "TextBox.h"

#include "Forms.h"
#include "MDI.h"
#include "ShellFixture.h"

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QLineEdit>
#include <QTest>

#include <functional>
#include <limits>
#include <string>
#include <vector>

namespace {

using Look = std::function<void(QWidget* window, const QString& state)>;

// One window of the program: how to open it and give its controls the
// longest texts they can get. The fill calls look() after each state worth
// measuring (a table row shown, a page turned).
struct WindowCase {
    const char* name;
    std::function<void(const Look& look)> fill;
};

const QStringList Signs = {"Aries", "Taurus", "Gemini", "Cancer", "Leo", "Virgo",
                           "Libra", "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces"};

// A name or place as long as its box takes, in the widest letter; a box
// without a limit gets a long one.
QString longest(const QLineEdit* box)
{
    const int limit = box->maxLength() >= 32767 ? 40 : box->maxLength();
    return QString(limit, QLatin1Char('W'));
}

// Every free-text box of an input window filled to its limit.
void fillTextBoxes(QWidget* window)
{
    for (QLineEdit* box : window->findChildren<QLineEdit*>())
        if (!qobject_cast<QComboBox*>(box->parentWidget()) && box->validator() == nullptr && box->maxLength() > 3)
            box->setText(longest(box));
}

// The longest entry of each list picked.
void pickLongest(QWidget* window)
{
    for (QComboBox* list : window->findChildren<QComboBox*>()) {
        int best = -1;
        for (int i = 0; i < list->count(); ++i)
            if (best < 0 || list->fontMetrics().horizontalAdvance(list->itemText(i)) >
                                list->fontMetrics().horizontalAdvance(list->itemText(best)))
                best = i;
        list->setCurrentIndex(best);
    }
}

template <class T>
T& open()
{
    T& w = forms::get<T>();
    w.Show();
    return w;
}

void inputWindow(int launcher, const char* form, const Look& look)
{
    mdi().cmdCallMainForm_Click(launcher);
    Form& w = forms::get(form);
    look(&w, QStringLiteral("as opened"));
    fillTextBoxes(&w);
    pickLongest(&w);
    look(&w, QStringLiteral("longest entries"));
}

void sunSignResult(const Look& look)
{
    for (const QString& sign : Signs) {
        auto& s = modSunSign::state();
        s.NameM = s.NameF = std::string(40, 'W');
        s.MonthM = s.MonthF = "September";
        s.DateM = s.DateF = "30";
        s.YearM = s.YearF = "2000";
        s.SunSignM = sign.toStdString();
        s.SunSignF = Signs[(Signs.indexOf(sign) + 5) % 12].toStdString();
        frmSunSign& r = open<frmSunSign>();
        look(&r, sign);
        look(&open<frmSaveZodiac>(), sign);
        forms::unload<frmSaveZodiac>();
        forms::unload<frmSunSign>();
    }
}

void kundaliResult(const Look& look)
{
    frmVedicResult& r = open<frmVedicResult>();
    for (const auto& n : modNakshatraInformation::NakshatraInfoTable()) {
        ShowNakshatraInformation(KundaliPerson::Boy, n.Nakshatra);
        ShowNakshatraInformation(KundaliPerson::Girl, n.Nakshatra);
        look(&r, QString::fromStdString(n.Nakshatra));
    }
    for (const auto& rashi : modRashiInformation::RashiInfoTable()) {
        ShowRashiInformation(KundaliPerson::Boy, rashi.EnglishName);
        ShowRashiInformation(KundaliPerson::Girl, rashi.EnglishName);
        look(&r, QString::fromStdString(rashi.EnglishName));
    }
}

void moonSignResult(const Look& look)
{
    for (const QString& sign : Signs) {
        auto& s = moonsign::state();
        s.MaleMoonSign = sign.toStdString();
        s.FemaleMoonSign = Signs[(Signs.indexOf(sign) + 7) % 12].toStdString();
        frmMoonSign& r = open<frmMoonSign>();
        for (TextBox* box : {r.txtUserM, r.txtCityM, r.txtStateM, r.txtCountryM, r.txtUserF, r.txtCityF, r.txtStateF,
                             r.txtCountryF})
            box->setText(QString(40, QLatin1Char('W')));
        for (TextBox* box : {r.txtDOBM, r.txtDOBF})
            box->setText(QStringLiteral("September 30, 2000"));
        for (TextBox* box : {r.txtMoonM, r.txtMoonF})
            box->setText(QStringLiteral("Sagittarius"));
        look(&r, sign);
        look(&open<frmSaveMoonSign>(), sign);
        forms::unload<frmSaveMoonSign>();
        forms::unload<frmMoonSign>();
    }
}

void natalPositions(const Look& look)
{
    mdi().cmdCallMainForm_Click(0);
    frmMatch& in = forms::get<frmMatch>();
    fillTextBoxes(&in);
    pickLongest(&in);
    frmReport& r = open<frmReport>();
    look(&r, QStringLiteral("longest names and places"));
}

void chineseResult(const Look& look)
{
    // One year for each animal, after its new year.
    for (int year = 1936; year < 1948; ++year) {
        mdi().cmdCallMainForm_Click(2);
        frmmainChinese& in = forms::get<frmmainChinese>();
        in.txtMaleName->setText(QString(40, QLatin1Char('W')));
        in.txtFemaleName->setText(QString(40, QLatin1Char('W')));
        for (QComboBox* month : {in.cboMaleMonth, in.cboFemaleMonth})
            month->setCurrentIndex(month->findText(QStringLiteral("June")));
        for (QComboBox* day : {in.CboMaleDate, in.cboFemaleDate})
            day->setCurrentIndex(day->findText(QStringLiteral("15")));
        in.cboMaleYear->setCurrentIndex(in.cboMaleYear->findText(QString::number(year)));
        in.cboFemaleYear->setCurrentIndex(in.cboFemaleYear->findText(QString::number(year + 6)));
        QTest::mouseClick(in.cmdProceed, Qt::LeftButton);
        ASSERT_TRUE(forms::isLoaded<frmchiness>()) << year;
        frmchiness& r = forms::get<frmchiness>();
        look(&r, QString::number(year));
        look(&open<frmSaveChinese>(), QString::number(year));
        forms::unload<frmSaveChinese>();
    }
}

std::vector<WindowCase> everyWindow()
{
    return {
        {"MDI", [](const Look& look) { look(&mdi(), QStringLiteral("welcome panel")); }},
        {"frmAbout", [](const Look& look) { look(&open<frmAbout>(), QStringLiteral("as opened")); }},
        {"frmMainZodiac", [](const Look& look) { inputWindow(5, frmMainZodiac::FormName, look); }},
        {"frmSunSign", sunSignResult},
        {"frmMainKundali", [](const Look& look) { inputWindow(1, frmMainKundali::FormName, look); }},
        {"frmTimeZone", [](const Look& look) { look(&open<frmTimeZone>(), QStringLiteral("every zone")); }},
        {"frmVedicResult", kundaliResult},
        {"frmSaveKundali", [](const Look& look) { look(&open<frmSaveKundali>(), QStringLiteral("as opened")); }},
        {"frmMainMoonSigncompatibility",
         [](const Look& look) { inputWindow(3, frmMainMoonSigncompatibility::FormName, look); }},
        {"frmMoonSign", moonSignResult},
        {"frmMatch", [](const Look& look) { inputWindow(0, frmMatch::FormName, look); }},
        {"frmReport", natalPositions},
        {"frmmainChinese", [](const Look& look) { inputWindow(2, frmmainChinese::FormName, look); }},
        {"frmchiness", chineseResult},
        {"frmMainNumerology", [](const Look& look) { inputWindow(4, frmMainNumerology::FormName, look); }},
        {"frmDisp", [](const Look& look) { look(&open<frmDisp>(), QStringLiteral("as opened")); }},
        {"frmSaveDocumentNumerology",
         [](const Look& look) { look(&open<frmSaveDocumentNumerology>(), QStringLiteral("as opened")); }},
    };
}

class EveryWindow : public ShellFixture, public ::testing::WithParamInterface<WindowCase> {};

TEST_P(EveryWindow, ShowsEveryTextWhole)
{
    mdi().show();
    GetParam().fill([](QWidget* window, const QString& state) {
        QApplication::processEvents();
        const QStringList cut = TextsCutByTheirBoxes(window);
        EXPECT_TRUE(cut.isEmpty()) << state.toStdString() << ":\n  " << cut.join(QStringLiteral("\n  ")).toStdString();
    });
}

INSTANTIATE_TEST_SUITE_P(Windows, EveryWindow, ::testing::ValuesIn(everyWindow()),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
