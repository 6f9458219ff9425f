#include "qt_printers.h"
#include "support/fakes.h"
#include "support/site_pages.h"
#include "web/mod_help.h"
#include "web/update_reminder.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

namespace {

using lumo::platform::MessageAnswer;
using lumo::platform::MessageButtons;
using lumo::platform::MessageIcon;

const QString kDurationKey = QStringLiteral("Settings/Duration");
const QLocale kUs(QLocale::English, QLocale::UnitedStates);
// FakeClock's today, 8 December 2026, as the reminder writes it in en_US.
const QString kTodayText = QStringLiteral("12/8/2026");

// Notes what the store holds at the moment a page is opened.
class SnapshotOpener final : public lumo::platform::WebOpener {
public:
    explicit SnapshotOpener(lumo::testing::FakeSettings& settings)
        : m_settings(settings)
    {
    }
    void open(const QString& address, Failed) override
    {
        opened << address;
        storedWhenOpened << m_settings.values.value(kDurationKey);
    }
    QStringList opened;
    QStringList storedWhenOpened;

private:
    lumo::testing::FakeSettings& m_settings;
};

struct Fixture {
    explicit Fixture(const QString& stored = QString())
    {
        if (!stored.isNull()) {
            settings.values.insert(kDurationKey, stored);
        }
    }
    void check() { reminder.CheckUpdateReminder(); }
    QString stored() const { return settings.values.value(kDurationKey); }

    lumo::testing::FakeSettings settings;
    lumo::testing::FakeClock clock;
    lumo::testing::FakeMessages messages;
    SnapshotOpener opener{settings};
    lumo::modHelp::PageLauncher launcher{opener, messages};
    lumo::modHelp::UpdateReminder reminder{settings, clock, messages, launcher, kUs};
};

TEST(UpdateReminder, FirstRunStoresTodayWithoutAsking)
{
    Fixture f;
    f.check();
    EXPECT_TRUE(f.messages.shown.isEmpty());
    EXPECT_EQ(f.stored(), kTodayText);
    EXPECT_TRUE(f.opener.opened.isEmpty());
}

TEST(UpdateReminder, AsksOnlyWhenMoreThanFourteenDaysAway)
{
    const struct {
        const char* stored;
        bool asks;
    } cases[] = {
        {"11/24/2026", false}, {"11/23/2026", true}, {"12/22/2026", false}, {"12/23/2026", true},
        {"12/8/2026", false},  {"1/1/2020", true},   {"1/1/2031", true},    {"2026-11-24", false},
        {"2026-11-23", true},  {"11/24/26", false},  {"11/23/26", true},
    };
    for (const auto& c : cases) {
        const QString stored = QString::fromUtf8(c.stored);
        Fixture f(stored);
        f.check();
        EXPECT_EQ(f.messages.shown.size(), c.asks ? 1 : 0) << c.stored;
        EXPECT_EQ(f.stored(), c.asks ? kTodayText : stored) << c.stored;
    }
}

TEST(UpdateReminder, AsksYesNoWithTheQuestionOnTwoLines)
{
    Fixture f(QStringLiteral("1/1/2020"));
    f.check();
    ASSERT_EQ(f.messages.shown.size(), 1);
    const auto& shown = f.messages.shown.first();
    EXPECT_EQ(shown.text, QStringLiteral("There maybe an update to this software available\n"
                                         "Do you want to check for an update?"));
    EXPECT_EQ(shown.icon, MessageIcon::Information);
    EXPECT_EQ(shown.buttons, MessageButtons::YesNo);
}

TEST(UpdateReminder, YesStoresTodayThenOpensTheDownloadPage)
{
    Fixture f(QStringLiteral("1/1/2020"));
    f.messages.answers.push_back(MessageAnswer::Yes);
    f.check();
    EXPECT_EQ(f.opener.opened, QStringList{lumo::testing::pageAt("download-web-page")});
    EXPECT_EQ(f.opener.storedWhenOpened, QStringList{kTodayText});
}

TEST(UpdateReminder, NoStoresTodayAndOpensNothing)
{
    Fixture f(QStringLiteral("1/1/2020"));
    f.messages.answers.push_back(MessageAnswer::No);
    f.check();
    EXPECT_EQ(f.stored(), kTodayText);
    EXPECT_TRUE(f.opener.opened.isEmpty());
}

TEST(UpdateReminder, TwoCallsInOneStartAskOnce)
{
    for (const bool writable : {true, false}) {
        Fixture f(QStringLiteral("1/1/2020"));
        f.settings.writable = writable;
        f.messages.answers = {MessageAnswer::Yes, MessageAnswer::Yes};
        f.check();
        f.check();
        const auto questions =
            std::count_if(f.messages.shown.begin(), f.messages.shown.end(),
                          [](const auto& shown) { return shown.buttons == MessageButtons::YesNo; });
        EXPECT_EQ(questions, 1) << "writable " << writable;
        EXPECT_EQ(f.opener.opened.size(), 1) << "writable " << writable;
    }
}

// A store that cannot keep the date: after the question, one note naming the store, in both
// calls of a start together; without a question (a first run) nothing is said.
struct UnstoredCase {
    const char* name;
    const char* stored; // nullptr: nothing stored yet
    std::vector<MessageButtons> shown;
};

class UpdateReminderUnstored : public ::testing::TestWithParam<UnstoredCase> {};

TEST_P(UpdateReminderUnstored, SaysOnceThatTheDateWasNotStored)
{
    const UnstoredCase& c = GetParam();
    Fixture f(c.stored ? QString::fromUtf8(c.stored) : QString());
    f.settings.writable = false;
    f.settings.where = QStringLiteral("/home/ann/.config/lumo-soul-urge-number.ini");
    f.check();
    f.check();
    std::vector<MessageButtons> shown;
    for (const auto& message : f.messages.shown) {
        shown.push_back(message.buttons);
    }
    EXPECT_EQ(shown, c.shown);
    if (c.shown.size() == 2) {
        const auto& note = f.messages.shown.back();
        EXPECT_EQ(note.text,
                  QStringLiteral("The Date Of This Update Reminder Could Not Be Saved In The File "
                                 "Below, So The Reminder Will Ask Again At The Next Start. Check "
                                 "That The File Can Be Written"));
        EXPECT_EQ(note.selectable, QStringLiteral("/home/ann/.config/lumo-soul-urge-number.ini"));
        EXPECT_EQ(note.icon, MessageIcon::Critical);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UpdateReminderUnstored,
    ::testing::Values(UnstoredCase{"Due", "1/1/2020", {MessageButtons::YesNo, MessageButtons::Ok}},
                      UnstoredCase{"FirstRun", nullptr, {}}, UnstoredCase{"Quiet", "12/1/2026", {}},
                      UnstoredCase{"Unreadable", "garbage", {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(UpdateReminder, AStoredDateSaysNothingMore)
{
    Fixture f(QStringLiteral("1/1/2020"));
    f.check();
    f.check();
    ASSERT_EQ(f.messages.shown.size(), 1);
    EXPECT_EQ(f.messages.shown.front().buttons, MessageButtons::YesNo);
}

TEST(UpdateReminder, UnreadableValueCountsAsNeverRun)
{
    for (const char* stored : {"garbage", "13/45/2026", "  ", "12/8"}) {
        Fixture f(QString::fromUtf8(stored));
        f.check();
        EXPECT_TRUE(f.messages.shown.isEmpty()) << stored;
        EXPECT_EQ(f.stored(), kTodayText) << stored;
    }
}

TEST(UpdateReminder, UnusableStoreAsksNothing)
{
    for (const bool writable : {true, false}) {
        Fixture f(QStringLiteral("1/1/2020"));
        f.settings.readable = false;
        f.settings.writable = writable;
        f.check();
        f.check();
        EXPECT_TRUE(f.messages.shown.isEmpty()) << "writable " << writable;
        EXPECT_TRUE(f.opener.opened.isEmpty()) << "writable " << writable;
    }
}

} // namespace
