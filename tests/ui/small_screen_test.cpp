#include "support/exit_screen_harness.h"
#include "support/look_measures.h"
#include "support/program_look.h"
#include "ui/frm_about.h"
#include "ui/frm_main.h"
#include "window_harness.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <memory>

using lumo::testing::ExitScreenHarness;
using lumo::testing::WindowHarness;

namespace {
// Whether the window lies on its screen with its title bar, opens with the focus on
// `firstFocus`, and Tab brings every focus stop into view, in the window and on the screen.
QString unreachable(QWidget& window, const QString& firstFocus)
{
    if (!QTest::qWaitForWindowExposed(&window)) {
        return QStringLiteral("never shown");
    }
    const QRect screen = window.screen()->availableGeometry();
    const QRect frame = window.frameGeometry();
    if (!screen.contains(frame)) {
        return QStringLiteral("the window %1,%2 %3x%4 leaves the screen %5x%6")
            .arg(frame.x())
            .arg(frame.y())
            .arg(frame.width())
            .arg(frame.height())
            .arg(screen.width())
            .arg(screen.height());
    }
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window)) {
        return QStringLiteral("never active");
    }
    QWidget* first = QApplication::focusWidget();
    if (first == nullptr || first->objectName() != firstFocus) {
        return QStringLiteral("the focus starts on %1, not %2")
            .arg(first ? first->objectName() : QStringLiteral("nothing"), firstFocus);
    }
    QStringList out;
    for (int stop = 0; stop < 20; ++stop) {
        QWidget* focus = QApplication::focusWidget();
        if (focus == nullptr) {
            return QStringLiteral("the focus vanished");
        }
        const QRect inWindow(focus->mapTo(&window, QPoint(0, 0)), focus->size());
        // A link may reach past its frame; its caption is what must show.
        const QRect shown = focus->visibleRegion().boundingRect();
        if (!window.rect().intersects(inWindow) || shown.isEmpty() ||
            shown.width() < focus->width() / 2) {
            out << QStringLiteral("%1 (%2,%3 %4x%5 shown %6x%7)")
                       .arg(focus->objectName())
                       .arg(inWindow.x())
                       .arg(inWindow.y())
                       .arg(inWindow.width())
                       .arg(inWindow.height())
                       .arg(shown.width())
                       .arg(shown.height());
        }
        QTest::keyClick(focus, Qt::Key_Tab);
        if (QApplication::focusWidget() == first) {
            break;
        }
    }
    return out.join(QLatin1Char(' '));
}
} // namespace

// Every window stays usable on a small screen at a large scale: on the screen with its title bar
// and close box, and every focus stop reachable.
class SmallScreenTest final : public QObject {
    Q_OBJECT

private slots:
    void mainWindow()
    {
        WindowHarness h;
        lumo::ui::frmMain main(h.services(), h.reminder);
        main.show();
        QCOMPARE(unreachable(main, QStringLiteral("txtFirstName")), QString());
    }
    void resultWindow()
    {
        WindowHarness h;
        const auto main = h.makeMain();
        main->findChild<QLineEdit*>(QStringLiteral("txtFirstName"))->setText(QStringLiteral("ANN"));
        main->findChild<QLineEdit*>(QStringLiteral("txtLastName"))->setText(QStringLiteral("LEE"));
        main->ShowSoulUrgeResult();
        QVERIFY(h.result());
        QCOMPARE(unreachable(*h.result(), QStringLiteral("cmdback")), QString());
    }
    void aboutWindow()
    {
        WindowHarness h;
        lumo::ui::frmAbout about(h.pages);
        about.show();
        QCOMPARE(unreachable(about, QStringLiteral("cmdOK")), QString());
    }
    void exitScreen()
    {
        ExitScreenHarness h;
        h.load();
        h.screen->show();
        QCOMPARE(unreachable(*h.screen, QStringLiteral("cmdClose")), QString());
    }

    // The exit screen's scroll bars, where it scrolls: a grey (128) handle on the white track,
    // grey arrows on white buttons, 3.9:1.
    void exitScreenScrollBarsStandOut()
    {
        ExitScreenHarness h;
        h.load();
        h.screen->show();
        QVERIFY(QTest::qWaitForWindowExposed(h.screen.get()));
        auto* scroll = h.screen->findChild<QScrollArea*>();
        if (scroll == nullptr) {
            QSKIP("the exit screen fits this screen");
        }
        int measured = 0;
        for (QScrollBar* bar : {scroll->horizontalScrollBar(), scroll->verticalScrollBar()}) {
            if (!bar->isVisible()) {
                continue;
            }
            ++measured;
            const auto look = lumo::testing::measureScrollBar(*bar, bar->orientation());
            const QColor white(255, 255, 255);
            const QColor grey(128, 128, 128);
            QCOMPARE(look.track, white);
            QCOMPARE(look.handle, grey);
            QCOMPARE(look.button, white);
            QCOMPARE(look.arrow, grey);
        }
        QVERIFY(measured > 0);
    }
};

LUMO_WINDOW_TEST_MAIN(SmallScreenTest)
#include "small_screen_test.moc"
