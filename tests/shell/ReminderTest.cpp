#include "modHelp.h"

#include "FakeDesktop.h"
#include "Settings.h"

#include <QLocale>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using platform::MsgResult;
namespace settings = platform::settings;

class Reminder : public ::testing::Test {
protected:
    void SetUp() override { settings::useFileForTests(dir.filePath(QStringLiteral("s.ini"))); }
    void TearDown() override { settings::useFileForTests({}); }
    void storeDaysFromToday(int days)
    {
        settings::write(ReminderDateKey, desk.today.addDays(days).toString(Qt::ISODate));
    }
    QDate stored() const { return QDate::fromString(settings::read(ReminderDateKey), Qt::ISODate); }

    QTemporaryDir dir;
    FakeDesktop desk;
};

TEST_F(Reminder, FirstRunStoresTodayWithoutAsking)
{
    CheckUpdateReminder();
    EXPECT_TRUE(desk.messages.empty());
    EXPECT_EQ(stored(), desk.today);
}

TEST_F(Reminder, AsksOnlyFifteenOrMoreDaysAwayInEitherDirection)
{
    struct Case {
        int days;
        bool asks;
    };
    for (const Case c : {Case{-14, false}, Case{-15, true}, Case{14, false}, Case{15, true}, Case{0, false},
                         Case{-400, true}, Case{1, false}}) {
        desk.messages.clear();
        storeDaysFromToday(c.days);
        desk.msgAnswers = {MsgResult::No};
        CheckUpdateReminder();
        EXPECT_EQ(desk.messages.size(), c.asks ? 1u : 0u) << c.days;
        // Quiet runs write nothing; a question always stores today.
        EXPECT_EQ(stored(), c.asks ? desk.today : desk.today.addDays(c.days)) << c.days;
    }
}

TEST_F(Reminder, QuestionTextIconButtonsAndTitle)
{
    storeDaysFromToday(-30);
    desk.msgAnswers = {MsgResult::No};
    CheckUpdateReminder();
    ASSERT_EQ(desk.messages.size(), 1u);
    const auto& m = desk.messages[0];
    EXPECT_EQ(m.text, QStringLiteral("There maybe an update to this software available\r"
                                     "Do you want to check for an update?"));
    EXPECT_FALSE(m.text.contains(QLatin1Char('\n')));
    EXPECT_EQ(m.buttons, platform::MsgButtons::YesNo);
    EXPECT_EQ(m.icon, platform::MsgIcon::Information);
    EXPECT_EQ(m.title, QStringLiteral("Vorlaine Love Test"));
}

TEST_F(Reminder, NoRewritesTheDateAndOpensNothing)
{
    storeDaysFromToday(-20);
    desk.msgAnswers = {MsgResult::No};
    CheckUpdateReminder();
    EXPECT_TRUE(desk.openedUrls.isEmpty());
    EXPECT_EQ(stored(), desk.today);
    // The next fourteen days are quiet again.
    desk.today = desk.today.addDays(14);
    CheckUpdateReminder();
    EXPECT_EQ(desk.messages.size(), 1u);
}

TEST_F(Reminder, YesWritesTheDateBeforeOpeningTheUpdatePage)
{
    storeDaysFromToday(-20);
    desk.msgAnswers = {MsgResult::Yes};
    QDate storedWhenOpened;
    desk.onOpenUrl = [&](const QString&) { storedWhenOpened = stored(); };
    CheckUpdateReminder();
    ASSERT_EQ(desk.openedUrls.size(), 1);
    EXPECT_EQ(desk.openedUrls[0],
              QStringLiteral("https://www.vorlaine.example/vorlaine-free-love-test/ssd.php?page=download-web-page"));
    EXPECT_EQ(storedWhenOpened, desk.today);
}

TEST_F(Reminder, TwoChecksOnTheSameDayAskAtMostOnce)
{
    storeDaysFromToday(-20);
    desk.msgAnswers = {MsgResult::No};
    CheckUpdateReminder();
    CheckUpdateReminder();
    EXPECT_EQ(desk.messages.size(), 1u);
}

TEST_F(Reminder, StoredValueThatIsNotADateStopsQuietly)
{
    for (const QString& bad : {QStringLiteral("soon"), QStringLiteral("12/31/2026"), QStringLiteral("2026-13-40")}) {
        settings::write(ReminderDateKey, bad);
        CheckUpdateReminder();
        EXPECT_TRUE(desk.messages.empty()) << bad.toStdString();
        EXPECT_EQ(settings::read(ReminderDateKey), bad);
    }
}

TEST_F(Reminder, StoredDateReadsBackWhateverTheLocale)
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    CheckUpdateReminder();
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    desk.today = desk.today.addDays(3);
    CheckUpdateReminder();
    EXPECT_TRUE(desk.messages.empty());
    EXPECT_EQ(stored(), desk.today.addDays(-3));
    QLocale::setDefault(QLocale::c());
}

TEST(WebPages, EachRoutineOpensItsPage)
{
    FakeDesktop desk;
    OpenHelpPage();
    OpenHomePage();
    OpenUpdatePage();
    const QString base = QStringLiteral("https://www.vorlaine.example/vorlaine-free-love-test/ssd.php?page=");
    EXPECT_EQ(desk.openedUrls,
              (QStringList{base + "help-web-page", base + "home-page", base + "download-web-page"}));
}
