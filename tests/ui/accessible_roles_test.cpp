#include "support/program_look.h"
#include "ui/frm_main.h"
#include "ui/frm_soul_urge.h"
#include "window_harness.h"

#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

using lumo::testing::child;

// What screen readers are told of the windows: the date lists by their role, the result window
// as a window named by its title that says the number.
class AccessibleRolesTest final : public lumo::testing::ShownMainWindowTest {
    Q_OBJECT

private slots:
    void dateListsAreNamedByTheirRole_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("value");
        QTest::newRow("day") << "cboDate" << 28 << "Day"
                             << "29";
        QTest::newRow("month") << "cboMonth" << 1 << "Month"
                               << "February";
        QTest::newRow("year") << "cboYear" << 100 << "Year"
                              << "2000";
    }
    void dateListsAreNamedByTheirRole()
    {
        QFETCH(QString, list);
        QFETCH(int, index);
        QFETCH(QString, name);
        QFETCH(QString, value);
        auto* box = child<QComboBox>(*m_main, qPrintable(list));
        box->setCurrentIndex(index);
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(box);
        QVERIFY(accessible);
        QCOMPARE(accessible->role(), QAccessible::ComboBox);
        QCOMPARE(accessible->text(QAccessible::Name), name);
        QCOMPARE(accessible->text(QAccessible::Value), value);
        QVERIFY(accessible->state().focusable);
    }

    // The chosen entry is the list's text too, as a screen reader reads it on focus and after
    // a change (the announcement itself is checked through AT-SPI, tests/e2e/screen_reader.py).
    void dateListsShowTheirEntryAsText_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::newRow("day") << "cboDate" << 28 << "1"
                             << "29";
        QTest::newRow("month") << "cboMonth" << 1 << "January"
                               << "February";
        QTest::newRow("year") << "cboYear" << 100 << "1900"
                              << "2000";
    }
    void dateListsShowTheirEntryAsText()
    {
        QFETCH(QString, list);
        QFETCH(int, index);
        QFETCH(QString, before);
        QFETCH(QString, after);
        auto* box = child<QComboBox>(*m_main, qPrintable(list));
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(box);
        QVERIFY(accessible);
        QAccessibleTextInterface* text = accessible->textInterface();
        QVERIFY(text);
        QCOMPARE(text->text(0, text->characterCount()), before);
        box->setCurrentIndex(index);
        QCOMPARE(text->characterCount(), after.size());
        QCOMPARE(text->text(0, -1), after);
        QCOMPARE(text->text(1, 3), after.mid(1, 2));
        QCOMPARE(text->selectionCount(), 0);
    }

    void resultWindowIsAWindowThatSaysTheNumber()
    {
        child<QLineEdit>(*m_main, "txtFirstName")->setText(QStringLiteral("ANN"));
        child<QLineEdit>(*m_main, "txtLastName")->setText(QStringLiteral("LEE"));
        m_main->ShowSoulUrgeResult();
        QWidget* result = m_harness->result();
        QVERIFY(result);
        QAccessibleInterface* window = QAccessible::queryAccessibleInterface(result);
        QVERIFY(window);
        QCOMPARE(window->role(), QAccessible::Window);
        QCOMPARE(window->text(QAccessible::Name), QStringLiteral("Lumo Soul Urge Number v1.65"));
        // A + E + E = 1 + 5 + 5 = 11, a master number.
        const QString number = QStringLiteral("Your Soul Urge Number is:11");
        QCOMPARE(window->text(QAccessible::Description), number);
        // Back has the focus as the window opens; it says the number with its own name.
        QAccessibleInterface* back =
            QAccessible::queryAccessibleInterface(child<QPushButton>(*result, "cmdback"));
        QCOMPARE(back->text(QAccessible::Name), QStringLiteral("Back"));
        QCOMPARE(back->text(QAccessible::Description), number);
    }

    void mainWindowStaysAWindow()
    {
        QAccessibleInterface* window = QAccessible::queryAccessibleInterface(m_main.get());
        QCOMPARE(window->role(), QAccessible::Window);
        QCOMPARE(window->text(QAccessible::Name), QStringLiteral("Lumo Soul Urge Number v1.65"));
    }
};

LUMO_WINDOW_TEST_MAIN(AccessibleRolesTest)
#include "accessible_roles_test.moc"
