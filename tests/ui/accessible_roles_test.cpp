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
