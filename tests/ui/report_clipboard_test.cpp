#include "core/report.h"
#include "platform/qt_clipboard.h"
#include "support/program_look.h"
#include "ui/frm_soul_urge.h"
#include "window_harness.h"

#include <QClipboard>
#include <QPlainTextEdit>
#include <QProcess>
#include <QStandardPaths>
#include <memory>
#include <string_view>

using lumo::testing::child;
using lumo::testing::WindowHarness;

// The report box with the real clipboard: on every event that used to empty the clipboard, only
// the report's own text is taken off, from the clipboard and from the selection that a middle
// click pastes. Runs on Qt's offscreen platform, which keeps a clipboard of its own inside the
// process and has no selection, and on an X display, where xclip is the other program.
class ReportClipboardTest final : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_harness = std::make_unique<WindowHarness>();
        m_result = std::make_unique<lumo::ui::frmSoulUrge>(m_harness->pages, m_clipboard);
        m_result->insertReport(QString::fromStdString(lumo::BuildSoulUrgeReport(6)));
        m_result->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_result.get()));
        QCoreApplication::processEvents();
    }
    void cleanup()
    {
        if (m_result) {
            // No button stays down for the next test.
            QTest::mouseRelease(m_result->windowHandle(), Qt::LeftButton, {}, reportPoint());
        }
        if (m_otherProgram) {
            m_otherProgram->kill();
            m_otherProgram->waitForFinished(5000);
            m_otherProgram.reset();
        }
        m_result.reset();
        m_harness.reset();
    }

    void onlyTheReportsTextIsTakenOff_data()
    {
        QTest::addColumn<QString>("event");
        QTest::addColumn<bool>(
            "selection"); // the selection a middle click pastes, else the clipboard
        QTest::addColumn<bool>("byOtherProgram");
        QTest::addColumn<QString>("held");
        QTest::addColumn<bool>("kept");
        // Only the rows this platform can hold: a selection where it has one, and another
        // program's text where programs share a display.
        const bool selectionToo = QGuiApplication::clipboard()->supportsSelection();
        for (const char* event : {"move", "press", "drag", "release", "double click", "change"}) {
            for (const bool selection : {false, true}) {
                if (selection && !selectionToo) {
                    continue;
                }
                const char* where = selection ? "selection" : "clipboard";
                const auto row = [&](const char* what, bool other, const char* held, bool kept) {
                    if (other && !onX11()) {
                        return;
                    }
                    QTest::addRow("%s, %s, %s", event, where, what)
                        << QString::fromLatin1(event) << selection << other
                        << QString::fromUtf8(held) << kept;
                };
                row("another program's paragraph", true,
                    "Minutes of the meeting, 8 December:\nall present.", true);
                row("another program's copy of report words", true, "Soul Urge Number", true);
                row("report text copied here", false, "Your Soul Urge Number is:6", false);
                row("report lines copied here", false,
                    "Your Soul Urge Number is:6\n\nThis number tries to close the gap", false);
                row("a name copied here", false, "JOHN SMITH", true);
            }
        }
    }
    void onlyTheReportsTextIsTakenOff()
    {
        QFETCH(QString, event);
        QFETCH(bool, selection);
        QFETCH(bool, byOtherProgram);
        QFETCH(QString, held);
        QFETCH(bool, kept);
        const QClipboard::Mode mode = selection ? QClipboard::Selection : QClipboard::Clipboard;
        const QPoint at = reportPoint();
        // The pointer comes in over the report first, so that the event's own move goes somewhere.
        QTest::mouseMove(m_result->windowHandle(), at + QPoint(25, 15));
        QCoreApplication::processEvents();
        if (event == QLatin1String("release") || event == QLatin1String("drag")) {
            // A button moves or comes up only after it went down; the text arrives in between.
            QTest::mousePress(m_result->windowHandle(), Qt::LeftButton, {}, at);
            QCoreApplication::processEvents();
        }
        if (byOtherProgram) {
            QVERIFY(putByOtherProgram(held, mode));
        } else {
            QGuiApplication::clipboard()->setText(held, mode);
        }
        QCOMPARE(QGuiApplication::clipboard()->text(mode), held);

        perform(event);
        QCoreApplication::processEvents();

        // An event that selects report text (a double click selects a word) takes the selection
        // over from whoever held it, and that text is the report's, so it goes too.
        const bool selected =
            child<QPlainTextEdit>(*m_result, "txtDisplay")->textCursor().hasSelection();
        const bool stays = kept && !(selection && selected);
        QCOMPARE(QGuiApplication::clipboard()->text(mode), stays ? held : QString());
    }

    // Selecting report text with the mouse, or with the keyboard, leaves nothing for a middle
    // click to paste (where there is a selection); a keyboard copy stays on the clipboard until
    // the mouse moves over the report.
    void selectedReportTextCannotBePastedElsewhere()
    {
        QClipboard* clipboard = QGuiApplication::clipboard();
        const bool selectionToo = clipboard->supportsSelection();
        auto* box = child<QPlainTextEdit>(*m_result, "txtDisplay");
        QWindow* window = m_result->windowHandle();
        const QPoint from = box->viewport()->mapTo(m_result.get(), QPoint(5, 5));
        const QPoint to = from + QPoint(120, 30);
        QTest::mousePress(window, Qt::LeftButton, {}, from);
        QTest::mouseMove(window, to);
        QTest::mouseRelease(window, Qt::LeftButton, {}, to);
        QCoreApplication::processEvents();
        QVERIFY(box->textCursor().hasSelection());
        if (selectionToo) {
            QCOMPARE(clipboard->text(QClipboard::Selection), QString());
        }

        box->setFocus();
        QTest::keyClick(box, Qt::Key_PageDown);
        QTest::keyClick(box, Qt::Key_Home, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_Down); // keys leave the copy where it is
        QCoreApplication::processEvents();
        if (selectionToo) {
            QCOMPARE(clipboard->text(QClipboard::Selection), QString());
        }
        QCOMPARE(clipboard->text(QClipboard::Clipboard), box->toPlainText());
        QTest::mouseMove(window, from);
        QCoreApplication::processEvents();
        QCOMPARE(clipboard->text(QClipboard::Clipboard), QString());
    }

private:
    static bool onX11() { return QGuiApplication::platformName() == QLatin1String("xcb"); }

    // xclip owns the clipboard or selection with `text` until it is ended.
    bool putByOtherProgram(const QString& text, QClipboard::Mode mode)
    {
        const QString xclip = QStandardPaths::findExecutable(QStringLiteral("xclip"));
        if (xclip.isEmpty()) {
            qWarning("xclip is not installed (scripts/test.sh installs it)");
            return false;
        }
        m_otherProgram = std::make_unique<QProcess>();
        m_otherProgram->start(xclip, {QStringLiteral("-quiet"), QStringLiteral("-selection"),
                                      mode == QClipboard::Selection ? QStringLiteral("primary")
                                                                    : QStringLiteral("clipboard")});
        if (!m_otherProgram->waitForStarted(5000)) {
            return false;
        }
        m_otherProgram->write(text.toUtf8());
        m_otherProgram->closeWriteChannel();
        QClipboard* clipboard = QGuiApplication::clipboard();
        const auto owned = [&] {
            return clipboard->text(mode) == text &&
                   !(mode == QClipboard::Selection ? clipboard->ownsSelection()
                                                   : clipboard->ownsClipboard());
        };
        return QTest::qWaitFor(owned, 10000);
    }

    // A point inside the report box, in the window's coordinates.
    QPoint reportPoint() const
    {
        const auto* box = child<QPlainTextEdit>(*m_result, "txtDisplay");
        return box->viewport()->mapTo(m_result.get(), QPoint(30, 20));
    }

    // One of the report box's events, as a user makes it.
    void perform(const QString& event)
    {
        QWindow* window = m_result->windowHandle();
        const QPoint at = reportPoint();
        if (event == QLatin1String("move")) {
            QTest::mouseMove(window, at);
        } else if (event == QLatin1String("press")) {
            QTest::mousePress(window, Qt::LeftButton, {}, at);
        } else if (event == QLatin1String("drag")) {
            QTest::mouseMove(window, at + QPoint(40, 0));
        } else if (event == QLatin1String("release")) {
            QTest::mouseRelease(window, Qt::LeftButton, {}, at);
        } else if (event == QLatin1String("double click")) {
            QTest::mouseDClick(window, Qt::LeftButton, {}, at);
        } else {
            m_result->insertReport(QStringLiteral(" "));
        }
    }

    lumo::platform::QtClipboard m_clipboard;
    std::unique_ptr<WindowHarness> m_harness;
    std::unique_ptr<lumo::ui::frmSoulUrge> m_result;
    std::unique_ptr<QProcess> m_otherProgram;
};

LUMO_WINDOW_TEST_MAIN(ReportClipboardTest)
#include "report_clipboard_test.moc"
