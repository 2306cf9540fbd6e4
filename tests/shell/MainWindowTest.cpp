#include "MDI.h"
#include "RegisterForms.h"
#include "TestWindow.h"
#include "frmAbout.h"

#include "ClickLabel.h"
#include "Forms.h"
#include "RichTextBox.h"
#include "ReportWindow.h"
#include "ShellFixture.h"
#include "SingleInstance.h"
#include "Twips.h"
#include "modRTB.h"

#include <QApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTest>

#include <string>
#include <vector>

namespace {

std::vector<std::string> unloadOrder;
std::vector<bool> panelVisibleDuringLoad;

// Stands in for a test window to watch what the main window does with it.
class ProbeForm : public Form {
public:
    explicit ProbeForm(const std::string& name) : Form(name.c_str()) { setClientSizeTwips(6000, 4000); }
    void Form_Load() override { panelVisibleDuringLoad.push_back(WelcomePanelVisible()); }
    void Form_Unload() override
    {
        unloadOrder.push_back(formName());
        ShowWelcomePanel(); // as the input windows do
    }
};

class MainWindow : public ShellFixture {
protected:
    void SetUp() override
    {
        ShellFixture::SetUp();
        unloadOrder.clear();
        panelVisibleDuringLoad.clear();
    }
    void TearDown() override
    {
        ShellFixture::TearDown();
        RegisterAllForms(); // undo any probes
    }
    void useProbes()
    {
        for (auto name : MDI::TestWindows)
            forms::registerFactory(std::string(name), [n = std::string(name)] { return new ProbeForm(n); });
    }
    static void click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton); }
};

} // namespace

TEST_F(MainWindow, ShowsHeadingLaunchersLabelsAndExit)
{
    MDI& m = mdi();
    EXPECT_EQ(m.windowTitle(), QStringLiteral("Vorlaine Love Test v2.30"));
    EXPECT_EQ(m.lblHeading->text(), QStringLiteral("Vorlaine Love Test"));
    const char* captions[6] = {"Astro", "Kundali", "Chinese", "Moon Sign", "Number", "Zodiac"};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(m.cmdCallMainForm[i]->text(), QString::fromLatin1(captions[i]));
        EXPECT_FALSE(m.cmdCallMainForm[i]->icon().isNull()) << i;
    }
    EXPECT_EQ(m.lblCaptions[0]->text(), QStringLiteral("Welcome to Vorlaine Love Test"));
    EXPECT_EQ(m.lblCaptions[8]->text(), QStringLiteral("Vorlaine Zodiac Compatibility"));
    EXPECT_EQ(m.lblCaptions[9]->text(),
              QStringLiteral("Click on the corresponding icon above to start the program of your choice."));
    EXPECT_EQ(m.cmdExit->text(), QStringLiteral("&Exit"));
    EXPECT_TRUE(m.lblURL->text().contains(QStringLiteral("www.vorlaine.example")));
}

TEST_F(MainWindow, LayoutCentresEachControlOnTheScreenWidth)
{
    EXPECT_FLOAT_EQ(MDI::CentredLeft(19200.0f, 10000.0f), 4600.0f);
    EXPECT_FLOAT_EQ(MDI::CentredLeft(19201.0f, 10000.0f), 4600.5f);
    // A screen narrower than the control gives a negative left edge.
    EXPECT_FLOAT_EQ(MDI::CentredLeft(9000.0f, 10000.0f), -500.0f);
    MDI& m = mdi();
    m.MDIForm_Load();
    EXPECT_EQ(m.fraContainer->x(), platform::twipsToPixelsX((19200 - 11320) / 2));
    EXPECT_EQ(m.cmdExit->x(), platform::twipsToPixelsX(19200 - 2000));
}

TEST_F(MainWindow, EveryLauncherOpensItsInputWindowCentredAtTheTop)
{
    for (int i = 0; i < 6; ++i) {
        click(mdi().cmdCallMainForm[i]);
        const std::string name(MDI::Launchers[i]);
        ASSERT_TRUE(forms::isLoaded(name)) << name;
        Form& w = forms::get(name);
        EXPECT_FLOAT_EQ(w.Left(), (19200.0f - w.Width()) / 2.0f) << name;
        EXPECT_FLOAT_EQ(w.Top(), 0.0f);
        EXPECT_FALSE(w.frame()->isHidden()) << name;
        auto* sub = qobject_cast<QMdiSubWindow*>(w.frame());
        ASSERT_NE(sub, nullptr) << name << " is a child window of the main window";
        EXPECT_EQ(sub->mdiArea(), mdi().area);
        EXPECT_FALSE(WelcomePanelVisible());
        EXPECT_EQ(forms::loaded().size(), 1u);
    }
}

TEST_F(MainWindow, ALaunchUnloadsTheSeventeenWindowsInOrder)
{
    useProbes();
    for (auto name : MDI::TestWindows)
        forms::get(std::string(name));
    forms::get<frmAbout>(); // not a test window: stays
    click(mdi().lblCaptions[0]);
    std::vector<std::string> expected(MDI::TestWindows.begin(), MDI::TestWindows.end());
    EXPECT_EQ(unloadOrder, expected);
    EXPECT_TRUE(forms::isLoaded<frmAbout>());
}

TEST_F(MainWindow, PlainLabelsOpenNothing)
{
    for (int i : {0, 1, 2, 9}) {
        forms::get("frmMainZodiac");
        click(mdi().lblCaptions[i]);
        EXPECT_FALSE(forms::isLoaded("frmMainZodiac")) << i;
        for (auto name : MDI::TestWindows)
            EXPECT_FALSE(forms::isLoaded(std::string(name))) << i;
        EXPECT_TRUE(WelcomePanelVisible()) << i;
    }
}

TEST_F(MainWindow, ButtonHidesThePanelBeforeLoadingLabelAfterShowing)
{
    useProbes();
    click(mdi().cmdCallMainForm[2]);
    click(mdi().lblCaptions[5]);
    ASSERT_EQ(panelVisibleDuringLoad.size(), 2u);
    EXPECT_FALSE(panelVisibleDuringLoad[0]);
    EXPECT_TRUE(panelVisibleDuringLoad[1]);
    EXPECT_FALSE(WelcomePanelVisible());
}

TEST_F(MainWindow, RelaunchingATestReloadsItsInputWindow)
{
    click(mdi().cmdCallMainForm[1]);
    forms::get("frmMainKundali").setProperty("typed", QStringLiteral("Asha"));
    click(mdi().cmdCallMainForm[1]);
    EXPECT_FALSE(forms::get("frmMainKundali").property("typed").isValid());
}

TEST_F(MainWindow, UnloadingInputOrResultWindowShowsThePanel)
{
    for (const char* name : {"frmMainZodiac", "frmMatch", "frmSunSign", "frmVedicResult", "frmchiness",
                             "frmMoonSign", "frmMainNumerology"}) {
        forms::get(name).Show();
        HideWelcomePanel();
        forms::unload(name);
        EXPECT_TRUE(WelcomePanelVisible()) << name;
    }
    // The natal-positions window has no unload handler.
    forms::get("frmReport");
    HideWelcomePanel();
    forms::unload("frmReport");
    EXPECT_FALSE(WelcomePanelVisible());
}

TEST_F(MainWindow, HoverUnderlinesLaunchLabelsUntilThePanelIsCrossed)
{
    // The pointer reaches a window on the screen only.
    ASSERT_TRUE(showActiveMainWindow());
    MDI& m = mdi();
    for (int i : {3, 4, 9, 0})
        QTest::mouseMove(m.lblCaptions[i]);
    EXPECT_TRUE(m.lblCaptions[3]->font().underline());
    EXPECT_TRUE(m.lblCaptions[4]->font().underline());
    EXPECT_FALSE(m.lblCaptions[9]->font().underline());
    EXPECT_FALSE(m.lblCaptions[0]->font().underline());
    // The panel's background between the labels.
    const QPoint gap = m.lblCaptions[8]->geometry().bottomLeft() + QPoint(-20, 10);
    ASSERT_EQ(m.picMain->childAt(gap), nullptr);
    QTest::mouseMove(m.picMain, gap);
    for (int i = 0; i < 10; ++i)
        EXPECT_FALSE(m.lblCaptions[i]->font().underline()) << i;
}

TEST_F(MainWindow, MenusAndPromotionOpenTheirPages)
{
    ASSERT_TRUE(showActiveMainWindow());
    MDI& m = mdi();
    // Help > Online Help, Visit Us Online, Check for Software Update.
    for (Qt::Key item : {Qt::Key_O, Qt::Key_V, Qt::Key_U}) {
        ASSERT_TRUE(showActiveMainWindow());
        menuKeys(m.cmdExit, Qt::Key_H, item);
    }
    click(m.lblURL);
    const QString base = QStringLiteral("https://www.vorlaine.example/vorlaine-free-love-test/ssd.php?page=");
    EXPECT_EQ(desk.openedUrls, (QStringList{base + "help-web-page", base + "home-page",
                                            base + "download-web-page", base + "home-page"}));
}

TEST_F(MainWindow, AboutBoxShowsModallyAndOkUnloadsIt)
{
    ASSERT_TRUE(showActiveMainWindow());
    menuKeys(mdi().cmdExit, Qt::Key_H, Qt::Key_A);
    ASSERT_TRUE(forms::isLoaded<frmAbout>());
    frmAbout& a = forms::get<frmAbout>();
    EXPECT_TRUE(a.isShownModal());
    EXPECT_EQ(a.Caption(), QStringLiteral("Vorlaine Love Test v2.30"));
    EXPECT_TRUE(a.Label1->text().startsWith(QStringLiteral(
        "Vorlaine Love Test is a comprehensive compatibility suite. It includes compatibility reports for two "
        "people based on Western Sun Sign Zodiac, Moon Sign Compatibility, Vedic Astrology, Chinese Zodiac and "
        "Numerology.")));
    click(a.lblHomePage);
    EXPECT_EQ(desk.openedUrls,
              QStringList{QStringLiteral("https://www.vorlaine.example/vorlaine-free-love-test/ssd.php?page=home-page")});
    click(a.cmdOK);
    EXPECT_FALSE(forms::isLoaded<frmAbout>());
}

TEST_F(MainWindow, ExitUnloadsAnOpenReportWindowAndReleasesItsHook)
{
    auto& report = static_cast<ReportWindow&>(forms::get("frmSaveZodiac"));
    RichTextBox* box = report.RTB;
    ASSERT_TRUE(IsRichTextLinksHooked(box));
    click(mdi().cmdCallMainForm[5]);
    forms::get("frmSaveZodiac");
    box = static_cast<ReportWindow&>(forms::get("frmSaveZodiac")).RTB;
    click(mdi().cmdExit);
    EXPECT_EQ(exitCalls, 1);
    EXPECT_FALSE(forms::isLoaded("frmSaveZodiac"));
    EXPECT_FALSE(forms::isLoaded("frmMainZodiac"));
    EXPECT_FALSE(IsRichTextLinksHooked(box));
    EXPECT_TRUE(forms::loaded().empty());
}

TEST_F(MainWindow, SecondStartSaysSoAndEnds)
{
    // Another instance holds the lock.
    platform::SingleInstance other;
    ASSERT_FALSE(other.anotherIsRunning());
    mdi().hide();
    EXPECT_EQ(StartApplication(ShowMainWindow), StartUp::AnotherCopy);
    ASSERT_EQ(desk.messages.size(), 1u);
    EXPECT_EQ(desk.messages[0].text, QStringLiteral("Application is already running"));
    EXPECT_EQ(desk.messages[0].icon, platform::MsgIcon::Information);
    EXPECT_EQ(desk.messages[0].buttons, platform::MsgButtons::OK);
    EXPECT_EQ(desk.messages[0].title, QStringLiteral("Vorlaine Love Test"));
    // The box, like every window, carries the program's icon.
    EXPECT_FALSE(QApplication::windowIcon().isNull());
    EXPECT_EQ(exitCalls, 1);
    EXPECT_FALSE(mdi().isVisible());
    // The running instance keeps its lock.
    EXPECT_FALSE(other.anotherIsRunning());
}
