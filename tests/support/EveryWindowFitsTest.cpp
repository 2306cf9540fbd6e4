#include "TextFit.h"
#include "KundaliMatchSteps.h"

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
#include "modVedicCompatibility.h"
#include "MoonSignRules.h"
#include "TextBox.h"

#include "Forms.h"
#include "MDI.h"
#include "RegisterForms.h"
#include "ShellFixture.h"

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include <functional>
#include <limits>
#include <ostream>
#include <set>
#include <string>
#include <vector>

namespace {

using Look = std::function<void(QWidget* window, const QString& state)>;

// One window of the program: how to open it and give its controls the
// longest texts they can get. The fill calls look() after each state worth
// measuring (a table row shown, a page turned), with the window itself or
// one it opens.
struct WindowCase {
    const char* name;
    std::vector<std::string> windows; // every window fill passes to look
    std::function<void(const Look& look)> fill;
};

void PrintTo(const WindowCase& c, std::ostream* os)
{
    *os << c.name;
}

// The main window is no registered window: it goes by this name here.
const std::string MainWindow = "MDI";

std::string nameOf(const QWidget* window)
{
    if (const auto* form = dynamic_cast<const Form*>(window))
        return form->formName();
    return window == &mdi() ? MainWindow : std::string("(not a window of the program)");
}

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

// Every pair of signs, each person with the longest name and date.
void sunSignResult(const Look& look)
{
    for (const QString& first : Signs) {
        for (const QString& second : Signs) {
            auto& s = modSunSign::state();
            s.NameM = s.NameF = std::string(40, 'W');
            s.MonthM = s.MonthF = "September";
            s.DateM = s.DateF = "30";
            s.YearM = s.YearF = "2000";
            s.SunSignM = first.toStdString();
            s.SunSignF = second.toStdString();
            const QString pair = first + QLatin1Char('-') + second;
            look(&open<frmSunSign>(), pair);
            look(&open<frmSaveZodiac>(), pair);
            forms::unload<frmSaveZodiac>();
            forms::unload<frmSunSign>();
        }
    }
}

void kundaliResult(const Look& look)
{
    namespace vc = modVedicCompatibility;
    auto& s = vc::state();
    for (vc::KundaliPersonDetails* p : {&s.Boy, &s.Girl}) {
        p->Name = std::string(40, 'W');
        p->BirthDay = "30";
        p->BirthMonth = "September";
        p->BirthYear = "2000";
        p->BirthHour = 23;
        p->BirthMinute = 59;
        p->BirthSecond = 59;
        p->BirthPlace = std::string(40, 'W') + ", " + std::string(40, 'W') + ", " + std::string(40, 'W');
    }
    frmVedicResult& r = open<frmVedicResult>();
    look(&r, QStringLiteral("longest names and places"));
    // Each nakshatra and each sign on both sides, with the kuta classes and
    // score cells they give.
    const auto& nakshatras = modNakshatraInformation::NakshatraInfoTable();
    const auto& rashis = modRashiInformation::RashiInfoTable();
    for (std::size_t i = 0; i < nakshatras.size(); ++i) {
        const std::string& boyN = nakshatras[i].Nakshatra;
        const std::string& girlN = nakshatras[(i + 13) % nakshatras.size()].Nakshatra;
        const std::string& boyS = rashis[i % rashis.size()].EnglishName;
        const std::string& girlS = rashis[(i + 5) % rashis.size()].EnglishName;
        FillKundaliMatch(boyS, girlS, boyN, girlN);
        look(&r, QString::fromStdString(boyN + " and " + girlN + ", " + boyS + " and " + girlS));
    }
    vc::resetState();
}

// Every pair of moon signs, the birth-detail boxes holding the longest texts.
void moonSignResult(const Look& look)
{
    for (const QString& first : Signs) {
        for (const QString& second : Signs) {
            auto& s = moonsign::state();
            s.MaleMoonSign = first.toStdString();
            s.FemaleMoonSign = second.toStdString();
            frmMoonSign& r = open<frmMoonSign>();
            for (TextBox* box : {r.txtUserM, r.txtCityM, r.txtStateM, r.txtCountryM, r.txtUserF, r.txtCityF,
                                 r.txtStateF, r.txtCountryF})
                box->setText(QString(40, QLatin1Char('W')));
            for (TextBox* box : {r.txtDOBM, r.txtDOBF})
                box->setText(QStringLiteral("September 30, 2000"));
            for (TextBox* box : {r.txtTOBM, r.txtTOBF})
                box->setText(QStringLiteral("23:59:59"));
            r.txtMoonM->setText(first);
            r.txtMoonF->setText(second);
            const QString pair = first + QLatin1Char('-') + second;
            look(&r, pair);
            look(&open<frmSaveMoonSign>(), pair);
            forms::unload<frmSaveMoonSign>();
            forms::unload<frmMoonSign>();
        }
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
        {"MDI", {MainWindow}, [](const Look& look) { look(&mdi(), QStringLiteral("welcome panel")); }},
        {"frmAbout", {frmAbout::FormName},
         [](const Look& look) { look(&open<frmAbout>(), QStringLiteral("as opened")); }},
        {"frmMainZodiac", {frmMainZodiac::FormName},
         [](const Look& look) { inputWindow(5, frmMainZodiac::FormName, look); }},
        {"frmSunSign", {frmSunSign::FormName, frmSaveZodiac::FormName}, sunSignResult},
        {"frmMainKundali", {frmMainKundali::FormName},
         [](const Look& look) { inputWindow(1, frmMainKundali::FormName, look); }},
        {"frmTimeZone", {frmTimeZone::FormName},
         [](const Look& look) { look(&open<frmTimeZone>(), QStringLiteral("every zone")); }},
        {"frmVedicResult", {frmVedicResult::FormName}, kundaliResult},
        {"frmSaveKundali", {frmSaveKundali::FormName},
         [](const Look& look) { look(&open<frmSaveKundali>(), QStringLiteral("as opened")); }},
        {"frmMainMoonSigncompatibility", {frmMainMoonSigncompatibility::FormName},
         [](const Look& look) { inputWindow(3, frmMainMoonSigncompatibility::FormName, look); }},
        {"frmMoonSign", {frmMoonSign::FormName, frmSaveMoonSign::FormName}, moonSignResult},
        {"frmMatch", {frmMatch::FormName}, [](const Look& look) { inputWindow(0, frmMatch::FormName, look); }},
        {"frmReport", {frmReport::FormName}, natalPositions},
        {"frmmainChinese", {frmmainChinese::FormName},
         [](const Look& look) { inputWindow(2, frmmainChinese::FormName, look); }},
        {"frmchiness", {frmchiness::FormName, frmSaveChinese::FormName}, chineseResult},
        {"frmMainNumerology", {frmMainNumerology::FormName},
         [](const Look& look) { inputWindow(4, frmMainNumerology::FormName, look); }},
        {"frmDisp", {frmDisp::FormName}, [](const Look& look) { look(&open<frmDisp>(), QStringLiteral("as opened")); }},
        {"frmSaveDocumentNumerology", {frmSaveDocumentNumerology::FormName},
         [](const Look& look) { look(&open<frmSaveDocumentNumerology>(), QStringLiteral("as opened")); }},
    };
}

// A value box of a result window: read-only, one line or several.
bool isValueBox(const QObject* o)
{
    if (auto* line = qobject_cast<const QLineEdit*>(o))
        return line->isReadOnly() && !qobject_cast<QComboBox*>(line->parentWidget());
    return qobject_cast<const TextBox*>(o) != nullptr;
}

// Draws the values of the read-only boxes a twentieth wider than their font,
// as a wider face of the same size would: a value that fits only by a pixel
// or two is cut on such a desktop.
class WiderValues : public QObject {
public:
    static constexpr double Percent = 105;

protected:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if ((e->type() == QEvent::Polish || e->type() == QEvent::FontChange) && isValueBox(o)) {
            auto* w = static_cast<QWidget*>(o);
            if (w->font().letterSpacing() != Percent || w->font().letterSpacingType() != QFont::PercentageSpacing) {
                QFont f = w->font();
                f.setLetterSpacing(QFont::PercentageSpacing, Percent);
                w->setFont(f);
            }
        }
        return false;
    }
};

// Run with LT_WIDE_FONTS set, every font the windows name is drawn in the
// widest sans-serif installed, as on a desktop without the narrower
// stand-ins, and the values of the read-only boxes wider still: the windows
// must still show every text whole.
class WideFonts : public ::testing::Environment {
public:
    void SetUp() override
    {
        if (qEnvironmentVariableIsEmpty("LT_WIDE_FONTS"))
            return;
        for (const char* family : {"Verdana", "MS Sans Serif", "Arial"}) {
            QFont::removeSubstitutions(QString::fromLatin1(family));
            QFont::insertSubstitution(QString::fromLatin1(family), QStringLiteral("DejaVu Sans"));
            EXPECT_EQ(QFontInfo(QFont(QString::fromLatin1(family))).family(), QStringLiteral("DejaVu Sans")) << family;
        }
        qApp->installEventFilter(new WiderValues);
    }
};
[[maybe_unused]] const auto* const wideFonts = ::testing::AddGlobalTestEnvironment(new WideFonts);

class EveryWindow : public ShellFixture, public ::testing::WithParamInterface<WindowCase> {};

TEST_P(EveryWindow, ShowsEveryTextWhole)
{
    mdi().show();
    std::set<std::string> measured;
    GetParam().fill([&measured](QWidget* window, const QString& state) {
        measured.insert(nameOf(window));
        QApplication::processEvents();
        const QStringList cut = TextsCutByTheirBoxes(window);
        EXPECT_TRUE(cut.isEmpty()) << state.toStdString() << ":\n  " << cut.join(QStringLiteral("\n  ")).toStdString();
    });
    // What the list says is checked for a window is what was measured.
    EXPECT_EQ(measured, std::set<std::string>(GetParam().windows.begin(), GetParam().windows.end()))
        << "the windows measured, and those the list names for this case";
}

// Every menu of the program, the main window's own and those its children
// bring to its menu bar, shows in the program's menu font.
TEST_P(EveryWindow, MenusShowInTheProgramsMenuFont)
{
    mdi().show();
    // The window as first filled is enough: its menus come with it.
    struct Opened {};
    try {
        GetParam().fill([](QWidget*, const QString&) { throw Opened{}; });
    } catch (const Opened&) {
    }
    const QFontInfo expected(QApplication::font("QMenu"));
    QList<QMenu*> menus;
    for (QAction* a : mdi().menuBar()->actions())
        if (a->menu())
            menus << a->menu();
    for (Form* f : forms::loaded())
        menus << f->menus();
    ASSERT_FALSE(menus.isEmpty());
    for (QMenu* menu : menus) {
        menu->ensurePolished();
        const QFontInfo shown(menu->font());
        EXPECT_EQ(shown.family(), expected.family()) << menu->title().toStdString();
        EXPECT_DOUBLE_EQ(shown.pointSizeF(), expected.pointSizeF()) << menu->title().toStdString();
        EXPECT_EQ(shown.bold(), expected.bold()) << menu->title().toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Windows, EveryWindow, ::testing::ValuesIn(everyWindow()),
                         [](const auto& info) { return std::string(info.param.name); });

// A window registered but left out of the list above would go unchecked.
TEST(WindowList, HoldsEveryRegisteredWindow)
{
    RegisterAllForms();
    std::set<std::string> listed;
    for (const WindowCase& c : everyWindow())
        listed.insert(c.windows.begin(), c.windows.end());
    for (const std::string& name : forms::names())
        EXPECT_TRUE(listed.count(name)) << name << " is registered but not in the list of windows that must fit";
    // And the list names no window the program does not have.
    for (const std::string& name : listed)
        EXPECT_TRUE(name == MainWindow || forms::hasFactory(name)) << name << " is listed but not registered";
}

} // namespace
