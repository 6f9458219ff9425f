#include "support/program_look.h"
#include "ui/frm_main.h"
#include "ui/frm_soul_urge.h"
#include "window_harness.h"

#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

using lumo::testing::child;

// What screen readers are told of the windows: the date lists by their role, and the number the
// result window says (every window's role and name: every_window_test).
class AccessibleRolesTest final : public lumo::testing::ShownMainWindowTest {
    Q_OBJECT

private slots:
    // A date list is a list named by its role whose value and text are the chosen entry, as a
    // screen reader reads it on focus and after a change (the announcement itself is checked
    // through AT-SPI, tests/e2e/screen_reader.py).
    void dateListsAreNamedByTheirRoleAndShowTheirEntry_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::newRow("day") << "cboDate"
                             << "Day" << 28 << "1"
                             << "29";
        QTest::newRow("month") << "cboMonth"
                               << "Month" << 1 << "January"
                               << "February";
        QTest::newRow("year") << "cboYear"
                              << "Year" << 100 << "1900"
                              << "2000";
    }
    void dateListsAreNamedByTheirRoleAndShowTheirEntry()
    {
        QFETCH(QString, list);
        QFETCH(QString, name);
        QFETCH(int, index);
        QFETCH(QString, before);
        QFETCH(QString, after);
        auto* box = child<QComboBox>(*m_main, qPrintable(list));
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(box);
        QVERIFY(accessible);
        QCOMPARE(accessible->role(), QAccessible::ComboBox);
        QCOMPARE(accessible->text(QAccessible::Name), name);
        QVERIFY(accessible->state().focusable);
        QAccessibleTextInterface* text = accessible->textInterface();
        QVERIFY(text);
        QCOMPARE(text->text(0, text->characterCount()), before);
        box->setCurrentIndex(index);
        QCOMPARE(accessible->text(QAccessible::Value), after);
        QCOMPARE(text->characterCount(), after.size());
        QCOMPARE(text->text(0, -1), after);
        QCOMPARE(text->text(1, 3), after.mid(1, 2));
        QCOMPARE(text->selectionCount(), 0);
    }

    void resultWindowSaysTheNumber()
    {
        child<QLineEdit>(*m_main, "txtFirstName")->setText(QStringLiteral("ANN"));
        child<QLineEdit>(*m_main, "txtLastName")->setText(QStringLiteral("LEE"));
        m_main->ShowSoulUrgeResult();
        QWidget* result = m_harness->result();
        QVERIFY(result);
        QAccessibleInterface* window = QAccessible::queryAccessibleInterface(result);
        QVERIFY(window);
        // A + E + E = 1 + 5 + 5 = 11, a master number.
        const QString number = QStringLiteral("Your Soul Urge Number is:11");
        QCOMPARE(window->text(QAccessible::Description), number);
        // Back has the focus as the window opens; it says the number with its own name.
        QAccessibleInterface* back =
            QAccessible::queryAccessibleInterface(child<QPushButton>(*result, "cmdback"));
        QCOMPARE(back->text(QAccessible::Name), QStringLiteral("Back"));
        QCOMPARE(back->text(QAccessible::Description), number);
    }
};

LUMO_WINDOW_TEST_MAIN(AccessibleRolesTest)
#include "accessible_roles_test.moc"
