#include "app_harness.h"
#include "support/program_look.h"
#include "ui/frm_main.h"
#include "ui/frm_nag_screen2.h"
#include "ui/frm_soul_urge.h"

#include <QAction>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace lumo::testing;
using lumo::ui::frmMain;
using lumo::ui::frmNagScreen2;
using lumo::ui::frmSoulUrge;

namespace {
const QString kExitScreen = QStringLiteral("frmNagScreen2");
const QString kMain = QStringLiteral("frmMain");

} // namespace

class ClosingTest final : public QObject {
    Q_OBJECT

private slots:
    void closingTheMainWindowShowsTheExitScreenOnce_data()
    {
        QTest::addColumn<bool>("throughFileExit");
        QTest::newRow("File, Exit") << true;
        QTest::newRow("close box") << false;
    }

    void closingTheMainWindowShowsTheExitScreenOnce()
    {
        QFETCH(bool, throughFileExit);
        AppHarness h;
        QVERIFY(h.app.StartApplication());
        const WindowShowCounter counter;
        QPointer<frmMain> main = mainWindow();

        if (throughFileExit) {
            child<QAction>(*main, "mnuExit")->trigger();
        } else {
            QVERIFY(main->close());
        }
        processDeferredDeletes();

        QVERIFY(main.isNull());
        QVERIFY(lumo::testing::exitScreen());
        QCOMPARE(counter.shows(kExitScreen), 1);
        QCOMPARE(visibleWindows(), QStringList{QStringLiteral("frmNagScreen2")});
        QCOMPARE(h.random.seeds.size(), 2); // start-up, then the exit screen's one load
        QVERIFY(h.ended.isEmpty());
    }

    void closingTheResultWindowKeepsTheMainWindowHidden()
    {
        AppHarness h;
        QVERIFY(h.app.StartApplication());
        QPointer<frmMain> main = mainWindow();
        QPointer<frmSoulUrge> result = pressNext(*main);
        QVERIFY(result);

        QVERIFY(result->close());
        processDeferredDeletes();

        QVERIFY(result.isNull());
        QVERIFY(!main.isNull());
        QVERIFY(!main->isVisible());
        QCOMPARE(visibleWindows(), QStringList{QStringLiteral("frmNagScreen2")});
        QVERIFY(h.ended.isEmpty());
    }

    void backLoadsTheExitScreenWithoutShowingIt()
    {
        AppHarness h;
        QVERIFY(h.app.StartApplication());
        const WindowShowCounter counter;
        QPointer<frmMain> main = mainWindow();

        pressBack(*pressNext(*main));

        QCOMPARE(visibleWindows(), QStringList{QStringLiteral("frmMain")});
        QPointer<frmNagScreen2> exitScreen = lumo::testing::exitScreen();
        QVERIFY(exitScreen);
        QCOMPARE(counter.shows(kExitScreen), 0);
        const QString drawnAtBack = supportText(*exitScreen);
        QVERIFY(!drawnAtBack.isEmpty());
        QCOMPARE(h.random.seeds.size(), 2);
        QCOMPARE(h.random.draws, 2);

        // A later close shows that same screen, loaded once, with the text drawn at Back.
        h.random.values = {0.99};
        main->close();
        processDeferredDeletes();
        QVERIFY(main.isNull());
        QCOMPARE(lumo::testing::exitScreen(), exitScreen.data());
        QCOMPARE(counter.shows(kExitScreen), 1);
        QCOMPARE(visibleWindows(), QStringList{QStringLiteral("frmNagScreen2")});
        QCOMPARE(supportText(*exitScreen), drawnAtBack);
        QCOMPARE(h.random.seeds.size(), 2);
        QCOMPARE(h.random.draws, 2);
    }

    void exitScreenEndsTheProgram_data()
    {
        QTest::addColumn<bool>("throughExitButton");
        QTest::newRow("Exit button") << true;
        QTest::newRow("close box") << false;
    }

    void exitScreenEndsTheProgram()
    {
        QFETCH(bool, throughExitButton);
        AppHarness h;
        QVERIFY(h.app.StartApplication());
        mainWindow()->close();
        processDeferredDeletes();
        frmNagScreen2* exitScreen = lumo::testing::exitScreen();
        QVERIFY(exitScreen && exitScreen->isVisible());
        const WindowShowCounter counter;

        if (throughExitButton) {
            QTest::mouseClick(child<QPushButton>(*exitScreen, "cmdClose"), Qt::LeftButton);
        } else {
            exitScreen->close();
        }

        QCOMPARE(h.ended.size(), 1);
        QVERIFY(visibleWindows().isEmpty());
        QCOMPARE(counter.shows(kExitScreen), 0);
    }

    void endProgramUnloadsEveryWindowAndEndsOnce()
    {
        AppHarness h;
        QVERIFY(h.app.StartApplication());
        QPointer<frmMain> main = mainWindow();
        pressBack(*pressNext(*main)); // loads the exit screen, hidden
        QPointer<frmSoulUrge> result = pressNext(*main);
        QPointer<frmNagScreen2> exitScreen = lumo::testing::exitScreen();
        QVERIFY(result && exitScreen);
        const WindowShowCounter counter;

        h.app.EndProgram();
        processDeferredDeletes();

        QCOMPARE(h.ended.size(), 1);
        QVERIFY(main.isNull());
        QVERIFY(result.isNull());
        QVERIFY(exitScreen.isNull());
        QVERIFY(visibleWindows().isEmpty());
        QCOMPARE(counter.shows(kExitScreen), 0);
        QCOMPARE(counter.shows(kMain), 0);
    }

    void exitButtonEndsTheEventLoopWithStatusZero()
    {
        AppHarness h;
        QVERIFY(h.app.StartApplication());
        connect(&h.app, &lumo::app::Application::programEnded, qApp, &QCoreApplication::exit);
        QTimer::singleShot(0, this, [] {
            mainWindow()->close();
            child<QPushButton>(*lumo::testing::exitScreen(), "cmdClose")->click();
        });
        // Ends a loop that the program failed to leave, with a status the program never uses.
        constexpr int kStuck = 99;
        QTimer::singleShot(10000, this, [] { QCoreApplication::exit(kStuck); });

        QCOMPARE(QCoreApplication::exec(), 0);
        QCOMPARE(h.ended.size(), 1);
        QVERIFY(visibleWindows().isEmpty());
    }

    void endProgramDoesNotLoadTheExitScreen()
    {
        AppHarness h;
        QVERIFY(h.app.StartApplication());
        QPointer<frmMain> main = mainWindow();

        h.app.EndProgram();
        processDeferredDeletes();

        QCOMPARE(h.ended.size(), 1);
        QVERIFY(main.isNull());
        QVERIFY(!lumo::testing::exitScreen());
        QCOMPARE(h.random.seeds.size(), 1);
        QVERIFY(visibleWindows().isEmpty());
    }

    // A session ending while the update question is up (SIGTERM reaches EndProgram through the
    // question's own event loop): the start goes no further and no window appears.
    void anEndDuringTheUpdateQuestionOpensNoWindow()
    {
        AppHarness h;
        h.settings.values.insert(QStringLiteral("Settings/Duration"), QStringLiteral("2020-01-01"));
        h.messages.onShow = [&h] { h.app.EndProgram(); };
        const WindowShowCounter counter;

        QVERIFY(!h.app.StartApplication());
        processDeferredDeletes();

        QCOMPARE(h.messages.shown.size(), 1); // the question, and nothing after it
        QCOMPARE(h.ended.size(), 1);
        QCOMPARE(counter.shows(kMain), 0);
        QVERIFY(!mainWindow());
        QVERIFY(visibleWindows().isEmpty());
    }
};

LUMO_WINDOW_TEST_MAIN(ClosingTest)
#include "closing_test.moc"
