#include "support/program_look.h"
#include "ui/clickable_label.h"
#include "ui/frm_main.h"
#include "ui/frm_soul_urge.h"
#include "window_harness.h"

#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSet>
#include <algorithm>
#include <memory>

using lumo::testing::child;
using lumo::testing::WindowHarness;
using lumo::ui::frmMain;

namespace {
struct MenuEntry {
    const char* name;
    const char* caption; // empty for a separator
};
} // namespace

class MainWindowTest final : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_harness = std::make_unique<WindowHarness>();
        m_main = m_harness->makeMain();
    }
    void cleanup() { m_harness.reset(); }

    // The client area keeps its size below the menu bar; caption, icon and frame are checked
    // for every window in every_window_test.
    void clientAreaHasItsSize()
    {
        QVERIFY(lumo::testing::showActive(*m_main));
        QCOMPARE(m_main->centralWidget()->size(), QSize(427, 230)); // twips 6405 3450
        QCOMPARE(m_main->width(), 427);
    }

    void loadRunsTheUpdateReminderFirst()
    {
        // A reminder date 30 days old: the load's run of the reminder asks, before any date
        // list is filled, and stores today.
        WindowHarness harness;
        harness.settings.values.insert(QStringLiteral("Settings/Duration"),
                                       QStringLiteral("11/8/2026"));
        int listedDays = -1;
        harness.messages.onShow = [this, &listedDays] {
            listedDays = 0;
            for (QWidget* window : QApplication::topLevelWidgets()) {
                if (window == m_main.get()) {
                    continue; // the window of init(), loaded before this test began
                }
                if (auto* days = window->findChild<QComboBox*>(QStringLiteral("cboDate"))) {
                    listedDays = days->count();
                }
            }
        };
        frmMain main(harness.services(), harness.reminder);
        QCOMPARE(harness.messages.texts(),
                 QStringList{QStringLiteral("There maybe an update to this software available\n"
                                            "Do you want to check for an update?")});
        QCOMPARE(listedDays, 0);
        QCOMPARE(harness.settings.values.value(QStringLiteral("Settings/Duration")),
                 QStringLiteral("12/8/2026"));
    }

    void controlsSitWhereTheLayoutPutsThem_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("container"); // empty: the client area
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<bool>("shown");
        // Pixels at 15 twips each, rounded to the nearest.
        const auto row = [](const char* name, const char* container, QRect pixels,
                            bool shown = true) {
            QTest::newRow(name) << QString::fromUtf8(name) << QString::fromUtf8(container) << pixels
                                << shown;
        };
        row("Frame2", "", {5, 0, 417, 41});                // twips 80 0 6255 615
        row("fraName", "", {5, 48, 417, 107});             // twips 80 720 6255 1605
        row("txtFirstName", "fraName", {6, 30, 127, 23});  // twips 90 450 1905 345
        row("txtLastName", "fraName", {280, 30, 129, 23}); // twips 4200 450 1935 345
        row("fraBirthDay", "fraName", {8, 56, 403, 43});   // twips 120 840 6045 645
        row("cboDate", "fraBirthDay", {117, 14, 57, 21});  // twips 1760 210 855 315
        row("cmdNext", "fraBirthDay", {264, 14, 131, 21}); // twips 3960 210 1965 315
        row("Frame5", "", {5, 160, 417, 65});              // twips 80 2400 6255 975
        // Covered by the full-brand offer, which starts in front, and so not shown.
        row("lblCobrand", "Frame5", {14, 16, 383, 41}, false); // twips 210 240 5745 615
        row("lblFullBrand", "Frame5", {14, 16, 383, 41});      // twips 210 240 5745 615
    }
    void controlsSitWhereTheLayoutPutsThem()
    {
        QFETCH(QString, name);
        QFETCH(QString, container);
        QFETCH(QRect, geometry);
        QFETCH(bool, shown);
        QVERIFY(lumo::testing::showActive(*m_main));
        const auto* control = m_main->findChild<QWidget*>(name);
        QVERIFY(control);
        if (container.isEmpty()) {
            QCOMPARE(control->parentWidget(), m_main->centralWidget());
        } else {
            QCOMPARE(control->parentWidget()->objectName(), container);
        }
        // A link's caption fills the rectangle; the link reaches past it for its focus frame.
        const bool link = qobject_cast<const lumo::ui::ClickableLabel*>(control) != nullptr;
        QCOMPARE(link ? control->geometry().marginsRemoved(control->contentsMargins())
                      : control->geometry(),
                 geometry);
        QCOMPARE(control->isVisible(), shown);
    }

    void entriesCarryTheirAccessibleNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("accessibleName");
        const auto row = [](const char* name, const char* accessibleName) {
            QTest::newRow(name) << QString::fromUtf8(name) << QString::fromUtf8(accessibleName);
        };
        row("txtFirstName", "First Name");
        row("txtMiddleName", "Middle Name");
        row("txtLastName", "Last Name");
        row("cboMonth", "Month");
        row("cboDate", "Day");
        row("cboYear", "Year");
    }
    void entriesCarryTheirAccessibleNames()
    {
        QFETCH(QString, name);
        QFETCH(QString, accessibleName);
        const auto* control = m_main->findChild<QWidget*>(name);
        QVERIFY(control);
        QCOMPARE(control->accessibleName(), accessibleName);
    }

    // As a screen reader hears them, through the accessibility interface: each frame by its own
    // caption, not the outer frame's.
    void framesAndTheButtonAreAnnouncedByTheirCaptions_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("announced");
        QTest::newRow("fraName") << "fraName"
                                 << "Please Fill In The Below Details:";
        QTest::newRow("fraBirthDay") << "fraBirthDay"
                                     << "Date Of Birth";
        QTest::newRow("cmdNext") << "cmdNext"
                                 << "Next";
    }
    void framesAndTheButtonAreAnnouncedByTheirCaptions()
    {
        QFETCH(QString, name);
        QFETCH(QString, announced);
        auto* control = m_main->findChild<QWidget*>(name);
        QVERIFY(control);
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
        QVERIFY(accessible);
        QCOMPARE(accessible->text(QAccessible::Name), announced);
    }

    void dateListsStartFilledAtTheirFirstEntry_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("entries");
        QStringList days;
        for (int day = 1; day <= 31; ++day) {
            days << QString::number(day);
        }
        QStringList months;
        const QLocale english(QLocale::English, QLocale::UnitedStates);
        for (int month = 1; month <= 12; ++month) {
            months << english.monthName(month);
        }
        QStringList years;
        for (int year = 1900; year <= 2050; ++year) {
            years << QString::number(year);
        }
        QTest::newRow("cboDate") << "cboDate" << days;
        QTest::newRow("cboMonth") << "cboMonth" << months;
        QTest::newRow("cboYear") << "cboYear" << years;
    }
    void dateListsStartFilledAtTheirFirstEntry()
    {
        QFETCH(QString, name);
        QFETCH(QStringList, entries);
        const auto* list = m_main->findChild<QComboBox*>(name);
        QVERIFY(list);
        QStringList shown;
        for (int i = 0; i < list->count(); ++i) {
            shown << list->itemText(i);
        }
        QCOMPARE(shown, entries);
        QCOMPARE(list->currentIndex(), 0);
        QVERIFY(!list->isEditable());
    }

    // The entries in reading order, then the links: the banner and the offer in front (the
    // covered one is passed over), then round again.
    void tabGoesThroughTheEntriesInReadingOrderThenTheLinks_data()
    {
        QTest::addColumn<bool>("coBrandInFront");
        QTest::newRow("full-brand offer in front") << false;
        QTest::newRow("co-brand offer in front") << true;
    }
    void tabGoesThroughTheEntriesInReadingOrderThenTheLinks()
    {
        QFETCH(bool, coBrandInFront);
        if (coBrandInFront) {
            lumo::ui::showCoBrandOffer(m_main->promotions());
        }
        QVERIFY(lumo::testing::showActive(*m_main));
        QCOMPARE(lumo::testing::focusName(), QStringLiteral("txtFirstName"));
        QStringList visited;
        for (int i = 0; i < 9; ++i) {
            QVERIFY(QApplication::focusWidget());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << lumo::testing::focusName();
        }
        const QStringList expected = {QStringLiteral("txtMiddleName"),
                                      QStringLiteral("txtLastName"),
                                      QStringLiteral("cboMonth"),
                                      QStringLiteral("cboDate"),
                                      QStringLiteral("cboYear"),
                                      QStringLiteral("cmdNext"),
                                      QStringLiteral("Label61"),
                                      coBrandInFront ? QStringLiteral("lblCobrand")
                                                     : QStringLiteral("lblFullBrand"),
                                      QStringLiteral("txtFirstName")};
        QCOMPARE(visited, expected);
    }

    void menusComeInOrderWithDistinctAccessKeys()
    {
        const QList<QList<MenuEntry>> expected = {
            {{"nuFile", "&File"}, {"mnuNext", "&Next"}, {"mnuExit", "E&xit"}},
            {{"mnuHelp", "&Help"},
             {"mnuOnline", "&Online Help"},
             {"mnuVisit", "&Visit Us Online"},
             {"mnuFileSep1", ""},
             {"mnuUpdate", "&Check for Software Update"},
             {"mnuFileSep2", ""},
             {"mnuAbout", "&About Software"}},
            {{"mnuDonate", "&Donate"}}};
        const QList<QAction*> bar = m_main->menuBar()->actions();
        QCOMPARE(bar.size(), expected.size());
        QSet<QKeySequence> barKeys;
        for (qsizetype top = 0; top < bar.size(); ++top) {
            const QList<MenuEntry>& entries = expected[top];
            QMenu* menu = bar[top]->menu();
            QCOMPARE(bar[top]->text(), QString::fromUtf8(entries[0].caption));
            QCOMPARE(menu ? menu->objectName() : bar[top]->objectName(),
                     QString::fromUtf8(entries[0].name));
            QVERIFY(bar[top]->isEnabled());
            barKeys.insert(QKeySequence::mnemonic(bar[top]->text()));

            const QList<QAction*> items = menu ? menu->actions() : QList<QAction*>{};
            QCOMPARE(items.size(), entries.size() - 1);
            QSet<QKeySequence> menuKeys;
            for (qsizetype i = 0; i < items.size(); ++i) {
                const MenuEntry& entry = entries[i + 1];
                QCOMPARE(items[i]->objectName(), QString::fromUtf8(entry.name));
                QCOMPARE(items[i]->isSeparator(), *entry.caption == '\0');
                QVERIFY(items[i]->shortcut().isEmpty());
                if (!items[i]->isSeparator()) {
                    QCOMPARE(items[i]->text(), QString::fromUtf8(entry.caption));
                    QVERIFY(items[i]->isEnabled());
                    menuKeys.insert(QKeySequence::mnemonic(items[i]->text()));
                }
            }
            const auto separators = std::count_if(
                items.begin(), items.end(), [](QAction* item) { return item->isSeparator(); });
            QCOMPARE(menuKeys.size(), items.size() - separators);
        }
        QCOMPARE(barKeys.size(), bar.size());
        QVERIFY(!barKeys.contains(QKeySequence()));
    }

    void fileNextShowsTheResult()
    {
        QVERIFY(lumo::testing::showActive(*m_main));
        child<QLineEdit>(*m_main, "txtFirstName")->setText(QStringLiteral("ANNA"));
        child<QLineEdit>(*m_main, "txtLastName")->setText(QStringLiteral("OTTO"));
        child<QAction>(*m_main, "mnuNext")->trigger();
        QVERIFY(m_harness->result());
        QVERIFY(m_harness->result()->isVisible());
        QVERIFY(!m_main->isVisible());
    }

    void fileExitClosesTheWindowAndReportsItOnce()
    {
        QVERIFY(lumo::testing::showActive(*m_main));
        child<QAction>(*m_main, "mnuExit")->trigger();
        // Reported once, from the close event, however the closing started.
        QCOMPARE(m_harness->closings,
                 QList<lumo::ui::ClosingReason>{lumo::ui::ClosingReason::Close});
        QVERIFY(!m_main->isVisible());
    }

private:
    std::unique_ptr<WindowHarness> m_harness;
    QPointer<frmMain> m_main;
};

LUMO_WINDOW_TEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
