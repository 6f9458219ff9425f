#include "app_harness.h"
#include "support/program_look.h"
#include "support/site_pages.h"
#include "ui/frm_main.h"
#include "ui/frm_soul_urge.h"
#include "web/mod_help.h"

#include <QLocale>
#include <QTest>
#include <algorithm>

using namespace lumo::testing;
using lumo::platform::MessageAnswer;
using lumo::platform::MessageButtons;
using lumo::platform::MessageIcon;

namespace {
const QString kTitle = QStringLiteral("Lumo Soul Urge Number");
const QString kReminderKey = QStringLiteral("Settings/Duration");
const QString kMainWindow = QStringLiteral("frmMain");

// A clock that notes, at every reading of the date, how far the main window has got.
class ObservingClock final : public lumo::platform::Clock {
public:
    struct Reading {
        bool mainExists;
        bool mainVisible;
    };
    QDate today() const override
    {
        const QWidget* main = windowNamed(kMainWindow);
        readings.push_back({main != nullptr, main && main->isVisible()});
        return date;
    }
    std::uint64_t timeOfDaySeed() const override { return seed; }

    QDate date{2026, 12, 8};
    std::uint64_t seed = 777;
    mutable QList<Reading> readings;
};
} // namespace

class StartupTest final : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // The reminder date is stored in the locale's short form, here M/d/yyyy.
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }

    void anotherInstanceRefusesToStart()
    {
        AppHarness h;
        h.instanceLock.running = true;
        h.settings.values.insert(kReminderKey, QStringLiteral("1/1/2020"));
        bool windowVisibleAtMessage = true;
        bool endedBeforeMessage = true;
        h.messages.onShow = [&] {
            windowVisibleAtMessage = !visibleWindows().isEmpty();
            endedBeforeMessage = !h.ended.isEmpty();
        };

        QVERIFY(!h.app.StartApplication());

        QCOMPARE(h.messages.shown.size(), 1);
        const ShownMessage& message = h.messages.shown.front();
        QCOMPARE(message.text, QStringLiteral("Application is already running"));
        // Every box carries the one title the program gives its message service.
        QCOMPARE(message.title, kTitle);
        QCOMPARE(message.icon, MessageIcon::Information);
        QCOMPARE(message.buttons, MessageButtons::Ok);
        QVERIFY(!windowVisibleAtMessage);
        QVERIFY(!endedBeforeMessage);
        QCOMPARE(h.ended.size(), 1);
        QVERIFY(visibleWindows().isEmpty());
        QVERIFY(!mainWindow());
        QCOMPARE(h.settings.reads, 0);
        QCOMPARE(h.settings.writes, 0);
        QCOMPARE(h.settings.values.value(kReminderKey), QStringLiteral("1/1/2020"));
        QVERIFY(h.random.seeds.isEmpty());
        QVERIFY(h.web.opened.isEmpty());
    }

    void firstStartStoresTodayAndShowsOnlyTheMainWindow()
    {
        ObservingClock clock;
        AppHarness h({.clock = &clock});
        lumo::app::Application& app = h.app;
        bool mainVisibleAtDraw = false;
        h.random.onDraw = [&] {
            const QWidget* main = windowNamed(kMainWindow);
            mainVisibleAtDraw = main && main->isVisible();
        };

        QVERIFY(app.StartApplication());

        QCOMPARE(h.instanceLock.calls, 1);
        QCOMPARE(h.random.seeds, QList<std::uint64_t>{clock.seed});
        // Two runs of the reminder: before the main window exists, then inside its load.
        QVERIFY2(clock.readings.size() >= 2, "the reminder did not run twice");
        QVERIFY(!clock.readings.front().mainExists);
        QVERIFY(std::any_of(clock.readings.cbegin(), clock.readings.cend(),
                            [](const auto& r) { return r.mainExists && !r.mainVisible; }));
        QCOMPARE(h.settings.values.value(kReminderKey), QStringLiteral("12/8/2026"));
        QCOMPARE(h.settings.writes, 1);
        QVERIFY(h.messages.shown.isEmpty());
        QVERIFY(h.web.opened.isEmpty());
        // The offer is drawn once, after the main window is on screen.
        QCOMPARE(h.random.draws, 1);
        QVERIFY(mainVisibleAtDraw);
        QVERIFY(mainWindow());
        QCOMPARE(visibleWindows(), QStringList{QStringLiteral("frmMain")});
        QVERIFY(h.ended.isEmpty());
    }

    void dueReminderAsksOnceBeforeTheMainWindow()
    {
        AppHarness h;
        h.clock.date = QDate(2026, 12, 8);
        h.settings.values.insert(kReminderKey, QStringLiteral("11/18/2026")); // 20 days ago
        h.settings.writable = false; // the second run must not ask again for a dropped date
        h.messages.answers.push_back(MessageAnswer::Yes);
        bool mainExistedAtQuestion = true;
        h.messages.onShow = [&] {
            mainExistedAtQuestion = windowNamed(kMainWindow) != nullptr || h.random.draws > 0;
        };

        QVERIFY(h.app.StartApplication());

        // The question, then the one note that its date could not be stored; nothing more.
        QCOMPARE(h.messages.shown.size(), 2);
        QCOMPARE(h.messages.shown.front().buttons, MessageButtons::YesNo);
        QCOMPARE(h.messages.shown.back().buttons, MessageButtons::Ok);
        QCOMPARE(h.messages.shown.back().selectable, h.settings.location());
        QVERIFY(!mainExistedAtQuestion);
        QCOMPARE(h.web.opened, QStringList{pageAt("download-web-page")});
        QCOMPARE(visibleWindows(), QStringList{QStringLiteral("frmMain")});
    }

    void failingStepDoesNotStopTheNext_data()
    {
        QTest::addColumn<int>("failure");
        QTest::newRow("settings store unusable") << 0;
        QTest::newRow("settings store throws") << 1;
        QTest::newRow("seeding throws") << 2;
        QTest::newRow("drawing the offer throws") << 3;
    }

    void failingStepDoesNotStopTheNext()
    {
        QFETCH(int, failure);
        ThrowingSettings throwingStore;
        ThrowingRandom throwingRandom;
        throwingRandom.seedFails = failure == 2;
        throwingRandom.drawFails = failure == 3;
        AppHarness h({.settings = failure == 1 ? &throwingStore : nullptr,
                      .random = failure >= 2 ? &throwingRandom : nullptr});
        h.settings.readable = failure != 0;
        h.settings.writable = failure != 0;

        QVERIFY(h.app.StartApplication());

        QVERIFY(mainWindow());
        QCOMPARE(visibleWindows(), QStringList{QStringLiteral("frmMain")});
        QVERIFY(h.messages.shown.isEmpty());
        QVERIFY(h.ended.isEmpty());
        if (failure == 2) {
            // The reminder after the failed seeding still ran.
            QCOMPARE(h.settings.values.value(kReminderKey), QStringLiteral("12/8/2026"));
        }
        if (failure < 2) {
            QCOMPARE(h.random.draws, 1); // the offer was still drawn
        }
    }
};

LUMO_WINDOW_TEST_MAIN(StartupTest)
#include "startup_test.moc"
