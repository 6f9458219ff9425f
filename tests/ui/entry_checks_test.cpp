#include "support/program_look.h"
#include "ui/frm_main.h"
#include "ui/frm_soul_urge.h"
#include "window_harness.h"

#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <memory>

using lumo::testing::child;
using lumo::testing::WindowHarness;
using lumo::ui::frmMain;

namespace {
const QString kWrongFebruary = QStringLiteral("Please Enter Correct Date Or Month!");
const QString kWrongThirtyFirst = QStringLiteral("Please Enter Correct Date Or Month !");

bool selectEntry(QComboBox* list, const QString& entry)
{
    list->setCurrentIndex(list->findText(entry));
    return list->currentText() == entry;
}
} // namespace

// The checks that Next runs on the entries before anything is calculated.
class EntryChecksTest final : public lumo::testing::ShownMainWindowTest {
    Q_OBJECT

private slots:
    // The three names may together reach 32,767 characters, so each box takes 10,921 (a third,
    // with room for a separator between the parts); a longer paste is refused whole with a
    // message, and the box keeps what it had: the number always belongs to the whole text entered.
    void longPastesAreTakenWholeOrRefusedWhole_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<int>("length"); // pasted after the three letters already there
        QTest::addColumn<bool>("taken");
        for (const char* box : {"txtFirstName", "txtMiddleName", "txtLastName"}) {
            QTest::addRow("%s, to 1001", box) << QString::fromLatin1(box) << 998 << true;
            QTest::addRow("%s, to 10921", box) << QString::fromLatin1(box) << 10918 << true;
            QTest::addRow("%s, to 10922", box) << QString::fromLatin1(box) << 10919 << false;
            QTest::addRow("%s, to 32768", box) << QString::fromLatin1(box) << 32765 << false;
        }
    }
    void longPastesAreTakenWholeOrRefusedWhole()
    {
        QFETCH(QString, box);
        QFETCH(int, length);
        QFETCH(bool, taken);
        auto* edit = m_main->findChild<QLineEdit*>(box);
        QVERIFY(edit);
        edit->setText(QStringLiteral("ANN"));
        edit->setCursorPosition(3);
        QApplication::clipboard()->setText(QString(length - 1, QLatin1Char('i')) +
                                           QLatin1Char('a'));
        edit->paste();
        if (taken) {
            QCOMPARE(edit->text().size(), 3 + length);
            QVERIFY(edit->text().startsWith(QStringLiteral("ANNIII")));
            QVERIFY(edit->text().endsWith(QStringLiteral("IIA")));
            QCoreApplication::processEvents();
            QVERIFY(m_harness->messages.shown.isEmpty());
        } else {
            QCOMPARE(edit->text(), QStringLiteral("ANN"));
            QTRY_COMPARE(m_harness->messages.texts(),
                         QStringList{QStringLiteral(
                             "Please Enter A Shorter Name (At Most 10921 Characters)")});
            QCOMPARE(m_harness->messages.shown.front().icon,
                     lumo::platform::MessageIcon::Information);
        }
    }

    // Long names score as usual. Pasted in lower case, "mary " 2,000 times is 10,000 characters
    // with 2,000 A (the Y counts nothing beside them), and "smith" adds one I: 2,000 + 9 = 2,009,
    // digit sum 11, which is no master number here: 1 + 1 = 2. All three boxes full to the brim
    // with "o" (3 x 10,921 x 6 = 196,578: digit sum 36, then 3 + 6 = 9) score too.
    void longPastedNamesScore_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("middle");
        QTest::addColumn<QString>("last");
        QTest::addColumn<int>("number");
        QTest::newRow("10,000 characters")
            << QStringLiteral("mary ").repeated(2000) << QString() << QStringLiteral("smith") << 2;
        QTest::newRow("every box full")
            << QString(10921, QLatin1Char('o')) << QString(10921, QLatin1Char('o'))
            << QString(10921, QLatin1Char('o')) << 9;
    }
    void longPastedNamesScore()
    {
        QFETCH(QString, first);
        QFETCH(QString, middle);
        QFETCH(QString, last);
        QFETCH(int, number);
        const auto pasteInto = [this](const char* box, const QString& text) {
            auto* edit = child<QLineEdit>(*m_main, box);
            QApplication::clipboard()->setText(text);
            edit->paste();
            return edit->text() == text.toUpper();
        };
        QVERIFY(pasteInto("txtFirstName", first));
        QVERIFY(pasteInto("txtMiddleName", middle));
        QVERIFY(pasteInto("txtLastName", last));
        QTest::mouseClick(child(*m_main, "cmdNext"), Qt::LeftButton);
        QVERIFY(m_harness->messages.shown.isEmpty());
        QVERIFY(m_harness->result());
        const QString report =
            child<QPlainTextEdit>(*m_harness->result(), "txtDisplay")->toPlainText();
        QVERIFY2(report.startsWith(QStringLiteral("Your Soul Urge Number is:%1\n").arg(number)),
                 qPrintable(report.left(40)));
    }

    void missingEntryIsReported_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("middle");
        QTest::addColumn<QString>("last");
        QTest::addColumn<QString>("unselected"); // list left with no entry
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        const auto row = [](const char* name, const char* first, const char* middle,
                            const char* last, const char* unselected, const char* message,
                            const char* focus) {
            QTest::newRow(name) << QString::fromUtf8(first) << QString::fromUtf8(middle)
                                << QString::fromUtf8(last) << QString::fromUtf8(unselected)
                                << QString::fromUtf8(message) << QString::fromUtf8(focus);
        };
        row("first name empty", "", "", "OTTO", "", "Please Enter Your First Name", "txtFirstName");
        row("both names empty: first name first", "", "EVE", "", "cboDate",
            "Please Enter Your First Name", "txtFirstName");
        row("last name empty, middle present", "ANNA", "EVE", "", "", "Please Enter Your Last Name",
            "txtLastName");
        row("no day", "ANNA", "", "OTTO", "cboDate", "Please Specify Your Birth Date", "cboDate");
        row("no month", "ANNA", "", "OTTO", "cboMonth", "Please Specify Your Birth Month",
            "cboMonth");
        row("no year", "ANNA", "", "OTTO", "cboYear", "Please Specify Your Birth Year", "cboYear");
    }
    void missingEntryIsReported()
    {
        QFETCH(QString, first);
        QFETCH(QString, middle);
        QFETCH(QString, last);
        QFETCH(QString, unselected);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        enterNames(first, middle, last);
        if (!unselected.isEmpty()) {
            m_main->findChild<QComboBox*>(unselected)->setCurrentIndex(-1);
        }
        QTest::mouseClick(child(*m_main, "cmdNext"), Qt::LeftButton);

        verifyRefusedWith(message);
        if (QTest::currentTestFailed()) {
            return;
        }
        QCOMPARE(lumo::testing::focusName(), focus);
        QCOMPARE(child<QLineEdit>(*m_main, "txtFirstName")->text(), first);
        QCOMPARE(child<QLineEdit>(*m_main, "txtMiddleName")->text(), middle);
        QCOMPARE(child<QLineEdit>(*m_main, "txtLastName")->text(), last);
    }

    void firstNameOfBlanksPasses()
    {
        enterNames(QStringLiteral("   "), QString(), QStringLiteral("OTTO"));
        QTest::mouseClick(child(*m_main, "cmdNext"), Qt::LeftButton);
        QVERIFY(m_harness->messages.shown.isEmpty());
        QVERIFY(m_harness->result());
    }

    void dateOfBirthMustBePossible_data()
    {
        QTest::addColumn<QString>("day");
        QTest::addColumn<QString>("month");
        QTest::addColumn<QString>("year");
        QTest::addColumn<QString>("message"); // empty: accepted
        const auto row = [](int day, const char* month, int year, const QString& message) {
            QTest::addRow("%d %s %d", day, month, year)
                << QString::number(day) << QString::fromUtf8(month) << QString::number(year)
                << message;
        };
        const QString accepted;
        row(29, "February", 1900, kWrongFebruary); // a century year not divisible by 400
        row(29, "February", 2000, accepted);
        row(29, "February", 1904, accepted);
        row(29, "February", 1901, kWrongFebruary);
        row(29, "February", 2050, kWrongFebruary);
        row(28, "February", 1901, accepted);
        row(30, "February", 2000, kWrongFebruary);
        row(31, "February", 1904, kWrongFebruary);
        row(31, "February", 1901, kWrongFebruary);
        row(31, "April", 1980, kWrongThirtyFirst);
        row(31, "June", 2000, kWrongThirtyFirst);
        row(31, "September", 1900, kWrongThirtyFirst);
        row(31, "November", 2050, kWrongThirtyFirst);
        row(30, "April", 1980, accepted);
        row(31, "January", 1900, accepted);
        row(31, "March", 1999, accepted);
        row(31, "July", 1975, accepted);
        row(31, "December", 2050, accepted);
    }
    void dateOfBirthMustBePossible()
    {
        QFETCH(QString, day);
        QFETCH(QString, month);
        QFETCH(QString, year);
        QFETCH(QString, message);
        enterNames(QStringLiteral("ANNA"), QString(), QStringLiteral("OTTO"));
        QVERIFY(selectEntry(child<QComboBox>(*m_main, "cboDate"), day));
        QVERIFY(selectEntry(child<QComboBox>(*m_main, "cboMonth"), month));
        QVERIFY(selectEntry(child<QComboBox>(*m_main, "cboYear"), year));
        QTest::mouseClick(child(*m_main, "cmdNext"), Qt::LeftButton);

        if (message.isEmpty()) {
            QVERIFY(m_harness->messages.shown.isEmpty());
            QVERIFY(m_harness->result());
            QVERIFY(m_harness->result()->isVisible());
            QVERIFY(!m_main->isVisible());
            return;
        }
        verifyRefusedWith(message);
        if (QTest::currentTestFailed()) {
            return;
        }
        // A date check leaves the focus on the button that was pressed.
        QCOMPARE(lumo::testing::focusName(), QStringLiteral("cmdNext"));
        QCOMPARE(child<QComboBox>(*m_main, "cboDate")->currentText(), day);
        QCOMPARE(child<QComboBox>(*m_main, "cboMonth")->currentText(), month);
        QCOMPARE(child<QComboBox>(*m_main, "cboYear")->currentText(), year);
    }

private:
    void enterNames(const QString& first, const QString& middle, const QString& last)
    {
        child<QLineEdit>(*m_main, "txtFirstName")->setText(first);
        child<QLineEdit>(*m_main, "txtMiddleName")->setText(middle);
        child<QLineEdit>(*m_main, "txtLastName")->setText(last);
    }

    void verifyRefusedWith(const QString& message)
    {
        QCOMPARE(m_harness->messages.texts(), QStringList{message});
        const auto& shown = m_harness->messages.shown.front();
        QCOMPARE(shown.icon, lumo::platform::MessageIcon::Information);
        QCOMPARE(shown.buttons, lumo::platform::MessageButtons::Ok);
        QVERIFY(m_main->isVisible());
        QVERIFY(!m_harness->result());
        QVERIFY(!lumo::testing::visibleWindows().contains(QStringLiteral("frmSoulUrge")));
    }
};

LUMO_WINDOW_TEST_MAIN(EntryChecksTest)
#include "entry_checks_test.moc"
