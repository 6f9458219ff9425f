#include "support/program_look.h"
#include "ui/frm_main.h"
#include "ui/frm_soul_urge.h"
#include "window_harness.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <memory>

using lumo::testing::child;
using lumo::testing::WindowHarness;
using lumo::ui::ClosingReason;
using lumo::ui::frmMain;
using lumo::ui::frmSoulUrge;

namespace {
// Whether `report`, as the report box gives it back (each CR LF as one line feed), is the report
// of `number`: its heading, the general paragraph, the interpretation that opens with
// `interpretation`, and the closing empty block.
bool isReportOf(const QString& report, int number, const char* interpretation)
{
    const QString opening = QStringLiteral("Your Soul Urge Number is:%1\n\n"
                                           "This number tries to close the gap between how you "
                                           "think you are projecting yourself")
                                .arg(number);
    const QString middle = QStringLiteral("real you.\n\n") + QString::fromUtf8(interpretation);
    return report.startsWith(opening) && report.contains(middle) &&
           report.endsWith(QStringLiteral(".\n\n\n\n"));
}

// The openings of the interpretations that these tests' names lead to.
constexpr char kSix[] = "Having the knowledge of being wanted and respected";
constexpr char kOne[] = "You achieve a sense of gratification";

QPlainTextEdit* reportBox(const QWidget& window)
{
    return child<QPlainTextEdit>(window, "txtDisplay");
}
} // namespace

class ResultWindowTest final : public lumo::testing::ShownMainWindowTest {
    Q_OBJECT

private slots:
    void nextShowsTheReportOfTheTypedNames_data()
    {
        QTest::addColumn<bool>("fromMenu");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("middle");
        QTest::addColumn<QString>("last");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("interpretation");
        const auto row = [](const char* name, bool fromMenu, const char* first, const char* middle,
                            const char* last, int number, const char* interpretation) {
            QTest::newRow(name) << fromMenu << QString::fromUtf8(first) << QString::fromUtf8(middle)
                                << QString::fromUtf8(last) << number
                                << QString::fromUtf8(interpretation);
        };
        // Each part of this name changes the number when left out: 1+1 + 5+5 + 6+6 = 24, 6.
        row("button, three parts", false, "anna", "eve", "otto", 6, kSix);
        // A 1 + I 9 = 10, 1; with an A in the name the Y does not count.
        row("File, Next, no middle name", true, "mary", "", "smith", 1, kOne);
        row("first name of blanks", false, "   ", "", "lee", 1, kOne);
    }
    void nextShowsTheReportOfTheTypedNames()
    {
        QFETCH(bool, fromMenu);
        QFETCH(QString, first);
        QFETCH(QString, middle);
        QFETCH(QString, last);
        QFETCH(int, number);
        QFETCH(QString, interpretation);
        typeNames(first, middle, last);
        if (fromMenu) {
            child<QAction>(*m_main, "mnuNext")->trigger();
        } else {
            QTest::mouseClick(child(*m_main, "cmdNext"), Qt::LeftButton);
        }

        QVERIFY(!m_main->isVisible());
        frmSoulUrge* result = m_harness->result();
        QVERIFY(result);
        QVERIFY(QTest::qWaitForWindowActive(result));
        const QPlainTextEdit* box = reportBox(*result);
        QVERIFY2(isReportOf(box->toPlainText(), number, qPrintable(interpretation)),
                 qPrintable(box->toPlainText()));
        QCOMPARE(box->textCursor().position(), 0);
        QCOMPARE(box->verticalScrollBar()->value(), 0);
        QCOMPARE(lumo::testing::focusName(), QStringLiteral("cmdback"));
        // A screen reader learns the number as the window opens.
        QCOMPARE(result->accessibleDescription(),
                 QStringLiteral("Your Soul Urge Number is:%1").arg(number));
        QCOMPARE(lumo::testing::visibleWindows(), QStringList{QStringLiteral("frmSoulUrge")});
    }

    void backReturnsToTheEntriesAsLeft()
    {
        typeNames(QStringLiteral("anna"), QStringLiteral("eve"), QStringLiteral("otto"));
        child<QComboBox>(*m_main, "cboDate")->setCurrentIndex(14);
        child<QComboBox>(*m_main, "cboMonth")->setCurrentIndex(6);
        child<QComboBox>(*m_main, "cboYear")->setCurrentIndex(84);
        m_main->ShowSoulUrgeResult();
        QPointer<frmSoulUrge> result = m_harness->result();
        QVERIFY(result);

        QTest::mouseClick(child(*result, "cmdback"), Qt::LeftButton);
        QTRY_VERIFY(result.isNull());
        QVERIFY(!m_harness->result());
        QCOMPARE(lumo::testing::visibleWindows(), QStringList{QStringLiteral("frmMain")});
        QCOMPARE(child<QLineEdit>(*m_main, "txtFirstName")->text(), QStringLiteral("ANNA"));
        QCOMPARE(child<QLineEdit>(*m_main, "txtMiddleName")->text(), QStringLiteral("EVE"));
        QCOMPARE(child<QLineEdit>(*m_main, "txtLastName")->text(), QStringLiteral("OTTO"));
        QCOMPARE(child<QComboBox>(*m_main, "cboDate")->currentText(), QStringLiteral("15"));
        QCOMPARE(child<QComboBox>(*m_main, "cboMonth")->currentText(), QStringLiteral("July"));
        QCOMPARE(child<QComboBox>(*m_main, "cboYear")->currentText(), QStringLiteral("1984"));
        QCOMPARE(m_harness->closings, QList<ClosingReason>{ClosingReason::Back});
    }

    void closingTheResultWindowReportsAClose()
    {
        typeNames(QStringLiteral("anna"), QString(), QStringLiteral("otto"));
        m_main->ShowSoulUrgeResult();
        QPointer<frmSoulUrge> result = m_harness->result();
        QVERIFY(result);
        result->close();
        QTRY_VERIFY(result.isNull());
        QCOMPARE(m_harness->closings, QList<ClosingReason>{ClosingReason::Close});
        QVERIFY(!m_main->isVisible());
    }

    void nextAfterBackShowsOnlyTheNewReport_data()
    {
        QTest::addColumn<QString>("secondFirstName");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("interpretation");
        // ANNA OTTO: 1+1 + 6+6 = 14, 5. IAN OTTO: 9+1 + 6+6 = 22, a master number.
        QTest::newRow("same entries")
            << "ANNA" << 5 << QStringLiteral("The yearning to have complete liberty");
        QTest::newRow("other first name")
            << "IAN" << 22 << QStringLiteral("With a master number 22 Soul Urge");
    }
    void nextAfterBackShowsOnlyTheNewReport()
    {
        QFETCH(QString, secondFirstName);
        QFETCH(int, number);
        QFETCH(QString, interpretation);
        typeNames(QStringLiteral("anna"), QString(), QStringLiteral("otto"));
        m_main->ShowSoulUrgeResult();
        QPointer<frmSoulUrge> first = m_harness->result();
        QVERIFY(first);
        QTest::mouseClick(child(*first, "cmdback"), Qt::LeftButton);
        QTRY_VERIFY(first.isNull());

        child<QLineEdit>(*m_main, "txtFirstName")->setText(secondFirstName);
        m_main->ShowSoulUrgeResult();
        frmSoulUrge* second = m_harness->result();
        QVERIFY(second);
        const QString report = reportBox(*second)->toPlainText();
        QVERIFY2(isReportOf(report, number, qPrintable(interpretation)), qPrintable(report));
        QCOMPARE(report.count(QStringLiteral("Your Soul Urge Number is:")), 1);
        QCOMPARE(reportBox(*second)->textCursor().position(), 0);
    }

    void reportBoxIsReadOnlyAndWraps()
    {
        frmSoulUrge* result = showReport();
        QVERIFY(result);
        QPlainTextEdit* box = reportBox(*result);
        const QString report = box->toPlainText();
        box->setFocus();
        QTest::keyClicks(box, QStringLiteral("xyz"));
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClick(box, Qt::Key_Return);
        QTest::keyClick(box, Qt::Key_Escape);
        QCOMPARE(box->toPlainText(), report);
        QVERIFY(result->isVisible());
        QVERIFY(box->verticalScrollBar()->isVisible());
        QVERIFY(!box->horizontalScrollBar()->isVisible());
    }

    void windowHasItsLayoutAndLook()
    {
        frmSoulUrge result(m_harness->pages, m_harness->clipboard);
        QVERIFY(lumo::testing::showActive(result));
        QCOMPARE(result.size(), QSize(425, 348));

        QPlainTextEdit* box = reportBox(result);
        QCOMPARE(box->geometry(), QRect(4, 46, 420, 197)); // twips 60 690 6300 2955
        QCOMPARE(child(result, "cmdback")->geometry(),
                 QRect(350, 252, 73, 25)); // twips 5250 3780 1095 375
        QVERIFY(box->isReadOnly());
        QCOMPARE(box->accessibleName(), QStringLiteral("Soul Urge Report"));
        // Even an empty report box shows its vertical scroll bar.
        QVERIFY(box->verticalScrollBar()->isVisible());

        const QColor blue(124, 165, 231);
        const QImage shown = box->viewport()->grab().toImage();
        QCOMPARE(shown.pixelColor(shown.rect().center()), blue);
        QCOMPARE(result.palette().color(QPalette::Window), blue);
        QCOMPARE(box->palette().color(QPalette::Text), QColor(Qt::white));
        QCOMPARE(box->font().family(), result.font().family());
    }

private:
    void typeNames(const QString& first, const QString& middle, const QString& last)
    {
        const std::pair<const char*, const QString*> boxes[] = {
            {"txtFirstName", &first}, {"txtMiddleName", &middle}, {"txtLastName", &last}};
        for (const auto& [name, text] : boxes) {
            auto* box = child<QLineEdit>(*m_main, name);
            box->clear();
            QTest::keyClicks(box, *text);
        }
    }

    frmSoulUrge* showReport()
    {
        typeNames(QStringLiteral("anna"), QStringLiteral("eve"), QStringLiteral("otto"));
        m_main->ShowSoulUrgeResult();
        frmSoulUrge* result = m_harness->result();
        return result && QTest::qWaitForWindowActive(result) ? result : nullptr;
    }
};

LUMO_WINDOW_TEST_MAIN(ResultWindowTest)
#include "result_window_test.moc"
