#include "core/report.h"
#include "core/soul_urge.h"
#include "ui/frm_main.h"
#include "ui/frm_soul_urge.h"
#include "window_harness.h"

#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <memory>

using lumo::testing::child;
using lumo::testing::fromTwips;
using lumo::testing::WindowHarness;
using lumo::ui::ClosingReason;
using lumo::ui::frmMain;
using lumo::ui::frmSoulUrge;

namespace {
// The report of the names as the program reads them, with each CR LF as the one line break the
// report box gives back.
QString expectedReport(const QString& first, const QString& middle, const QString& last)
{
    const auto number =
        lumo::CalculateSoulUrge(first.toStdString(), middle.toStdString(), last.toStdString());
    return QString::fromStdString(lumo::BuildSoulUrgeReport(number))
        .replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

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
        const auto row = [](const char* name, bool fromMenu, const char* first, const char* middle,
                            const char* last) {
            QTest::newRow(name) << fromMenu << QString::fromUtf8(first) << QString::fromUtf8(middle)
                                << QString::fromUtf8(last);
        };
        // Each part of this name changes the number when left out.
        row("button, three parts", false, "anna", "eve", "otto");
        row("File, Next, no middle name", true, "mary", "", "smith");
        row("first name of blanks", false, "   ", "", "lee");
    }
    void nextShowsTheReportOfTheTypedNames()
    {
        QFETCH(bool, fromMenu);
        QFETCH(QString, first);
        QFETCH(QString, middle);
        QFETCH(QString, last);
        typeNames(first, middle, last);
        if (fromMenu) {
            child<QAction>(*m_main, "mnuNext")->trigger();
        } else {
            QTest::mouseClick(child(*m_main, "cmdNext"), Qt::LeftButton);
        }

        QVERIFY(!m_main->isVisible());
        frmSoulUrge* result = m_main->resultWindow();
        QVERIFY(result);
        QVERIFY(QTest::qWaitForWindowActive(result));
        const QPlainTextEdit* box = reportBox(*result);
        QCOMPARE(box->toPlainText(),
                 expectedReport(first.toUpper(), middle.toUpper(), last.toUpper()));
        QCOMPARE(box->textCursor().position(), 0);
        QCOMPARE(box->verticalScrollBar()->value(), 0);
        QCOMPARE(lumo::testing::focusName(), QStringLiteral("cmdback"));
        QCOMPARE(lumo::testing::visibleWindows(), QStringList{QStringLiteral("frmSoulUrge")});
    }

    void backReturnsToTheEntriesAsLeft_data()
    {
        QTest::addColumn<bool>("withClosingStep");
        QTest::newRow("no closing step") << false;
        QTest::newRow("through the closing step") << true;
    }
    void backReturnsToTheEntriesAsLeft()
    {
        QFETCH(bool, withClosingStep);
        const auto& closing = m_harness->recordedClosing;
        if (withClosingStep) {
            m_harness->closing = &m_harness->recordedClosing;
            m_main = std::make_unique<frmMain>(m_harness->services(), m_harness->reminder);
            QVERIFY(lumo::testing::showActive(*m_main));
        }
        typeNames(QStringLiteral("anna"), QStringLiteral("eve"), QStringLiteral("otto"));
        child<QComboBox>(*m_main, "cboDate")->setCurrentIndex(14);
        child<QComboBox>(*m_main, "cboMonth")->setCurrentIndex(6);
        child<QComboBox>(*m_main, "cboYear")->setCurrentIndex(84);
        m_main->ShowSoulUrgeResult();
        QPointer<frmSoulUrge> result = m_main->resultWindow();
        QVERIFY(result);

        QTest::mouseClick(child(*result, "cmdback"), Qt::LeftButton);
        QTRY_VERIFY(result.isNull());
        QVERIFY(!m_main->resultWindow());
        QCOMPARE(lumo::testing::visibleWindows(), QStringList{QStringLiteral("frmMain")});
        QCOMPARE(child<QLineEdit>(*m_main, "txtFirstName")->text(), QStringLiteral("ANNA"));
        QCOMPARE(child<QLineEdit>(*m_main, "txtMiddleName")->text(), QStringLiteral("EVE"));
        QCOMPARE(child<QLineEdit>(*m_main, "txtLastName")->text(), QStringLiteral("OTTO"));
        QCOMPARE(child<QComboBox>(*m_main, "cboDate")->currentText(), QStringLiteral("15"));
        QCOMPARE(child<QComboBox>(*m_main, "cboMonth")->currentText(), QStringLiteral("July"));
        QCOMPARE(child<QComboBox>(*m_main, "cboYear")->currentText(), QStringLiteral("1984"));
        if (withClosingStep) {
            QCOMPARE(closing.reasons, QList<ClosingReason>{ClosingReason::Back});
        }
    }

    void closingTheResultWindowRunsTheClosingStep()
    {
        const auto& closing = m_harness->recordedClosing;
        m_harness->closing = &m_harness->recordedClosing;
        m_main = std::make_unique<frmMain>(m_harness->services(), m_harness->reminder);
        QVERIFY(lumo::testing::showActive(*m_main));
        typeNames(QStringLiteral("anna"), QString(), QStringLiteral("otto"));
        m_main->ShowSoulUrgeResult();
        QPointer<frmSoulUrge> result = m_main->resultWindow();
        QVERIFY(result);
        result->close();
        QTRY_VERIFY(result.isNull());
        QCOMPARE(closing.reasons, QList<ClosingReason>{ClosingReason::Close});
        QVERIFY(!m_main->isVisible());
    }

    void nextAfterBackShowsOnlyTheNewReport_data()
    {
        QTest::addColumn<QString>("secondFirstName");
        QTest::newRow("same entries") << "ANNA";
        QTest::newRow("other first name") << "IAN";
    }
    void nextAfterBackShowsOnlyTheNewReport()
    {
        QFETCH(QString, secondFirstName);
        typeNames(QStringLiteral("anna"), QString(), QStringLiteral("otto"));
        m_main->ShowSoulUrgeResult();
        QPointer<frmSoulUrge> first = m_main->resultWindow();
        QVERIFY(first);
        QTest::mouseClick(child(*first, "cmdback"), Qt::LeftButton);
        QTRY_VERIFY(first.isNull());

        child<QLineEdit>(*m_main, "txtFirstName")->setText(secondFirstName);
        m_main->ShowSoulUrgeResult();
        frmSoulUrge* second = m_main->resultWindow();
        QVERIFY(second);
        QCOMPARE(reportBox(*second)->toPlainText(),
                 expectedReport(secondFirstName, QString(), QStringLiteral("OTTO")));
        QCOMPARE(reportBox(*second)->textCursor().position(), 0);
    }

    void insertingTheReportEmptiesTheClipboard()
    {
        frmSoulUrge result(m_harness->services());
        const int before = m_harness->clipboard.clears;
        result.InsertReport(QStringLiteral("Line one\r\nLine two\r\n"));
        QVERIFY(m_harness->clipboard.clears > before);
        QCOMPARE(reportBox(result)->toPlainText(), QStringLiteral("Line one\nLine two\n"));
    }

    void mouseOverTheReportEmptiesTheClipboard()
    {
        frmSoulUrge* result = showReport();
        QVERIFY(result);
        QWidget* viewport = reportBox(*result)->viewport();
        QWindow* window = result->windowHandle();
        const QPoint at = viewport->mapTo(result, QPoint(30, 20));
        auto& clears = m_harness->clipboard.clears;

        int before = clears;
        QTest::mouseMove(window, at);
        QVERIFY2(clears > before, "move");
        before = clears;
        QTest::mousePress(window, Qt::LeftButton, {}, at);
        QVERIFY2(clears > before, "press");
        before = clears;
        QTest::mouseMove(window, at + QPoint(40, 0));
        QVERIFY2(clears > before, "drag");
        before = clears;
        QTest::mouseRelease(window, Qt::LeftButton, {}, at + QPoint(40, 0));
        QVERIFY2(clears > before, "release");
    }

    void keyboardLeavesTheClipboardAloneAndCopies()
    {
        frmSoulUrge* result = showReport();
        QVERIFY(result);
        QPlainTextEdit* box = reportBox(*result);
        QGuiApplication::clipboard()->setText(QStringLiteral("held before"));
        box->setFocus();
        const int before = m_harness->clipboard.clears;
        QTest::keyClick(box, Qt::Key_Down);
        QTest::keyClick(box, Qt::Key_PageDown);
        QTest::keyClick(box, Qt::Key_Home, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(m_harness->clipboard.clears, before);
        QCOMPARE(QGuiApplication::clipboard()->text(), box->toPlainText());

        QTest::mouseMove(result->windowHandle(), box->viewport()->mapTo(result, QPoint(10, 10)));
        QVERIFY(m_harness->clipboard.clears > before);
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
        frmSoulUrge result(m_harness->services());
        QVERIFY(lumo::testing::showActive(result));
        QCOMPARE(result.windowTitle(), QStringLiteral("Lumo Soul Urge Number v1.65"));
        QCOMPARE(result.size(), QSize(425, 348));
        result.resize(600, 500);
        QCOMPARE(result.size(), QSize(425, 348));
        QVERIFY(!result.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!result.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
        QVERIFY(!result.windowIcon().isNull());

        QPlainTextEdit* box = reportBox(result);
        QCOMPARE(box->geometry(), fromTwips(60, 690, 6300, 2955));
        QCOMPARE(child(result, "cmdback")->geometry(), fromTwips(5250, 3780, 1095, 375));
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
        frmSoulUrge* result = m_main->resultWindow();
        return result && QTest::qWaitForWindowActive(result) ? result : nullptr;
    }
};

QTEST_MAIN(ResultWindowTest)
#include "result_window_test.moc"
