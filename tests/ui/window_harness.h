#pragma once

// What the window tests share: the recording fakes handed to a window, and small helpers to find
// controls and drive the windows as a user would.

#include "app/working_windows.h"
#include "support/fakes.h"
#include "support/widget_helpers.h"
#include "ui/closing_reason.h"
#include "ui/frm_main.h"
#include "ui/frm_soul_urge.h"
#include "ui/window_services.h"
#include "web/mod_help.h"
#include "web/update_reminder.h"

#include <QApplication>
#include <QLatin1String>
#include <QList>
#include <QPointer>
#include <QStringList>
#include <QTest>
#include <QWidget>
#include <memory>

namespace lumo::testing {

// The services of one window under test, and the program's own wiring of its working windows
// over them. Must outlive the windows built from it.
struct WindowHarness {
    FakeMessages messages;
    FakeClipboard clipboard;
    FakeWebOpener opener;
    modHelp::PageLauncher pages{opener, messages};
    FakeSettings settings;
    FakeClock clock;
    // The reminder that the main window's load runs; dates in the United States' short form.
    modHelp::UpdateReminder reminder{settings, clock, messages, pages,
                                     QLocale(QLocale::English, QLocale::UnitedStates)};
    // Every closing the windows reported, in order, instead of an exit screen.
    QList<ui::ClosingReason> closings;
    app::WorkingWindows windows{services(), clipboard, reminder};

    WindowHarness()
    {
        QObject::connect(&windows, &app::WorkingWindows::closing, &windows,
                         [this](ui::ClosingReason reason) { closings << reason; });
    }
    // Result windows closed before a later one opened are still waiting to be deleted.
    ~WindowHarness() { processDeferredDeletes(); }
    Q_DISABLE_COPY_MOVE(WindowHarness)

    [[nodiscard]] ui::WindowServices services() { return {.messages = messages, .pages = pages}; }

    // The main window as the program creates it, not yet shown: each report it hands on opens a
    // result window, whose Back shows the main window again. It deletes itself when it closes.
    [[nodiscard]] QPointer<ui::frmMain> makeMain() { return &windows.createMain(); }

    // The newest result window, while it is open.
    [[nodiscard]] ui::frmSoulUrge* result() const
    {
        ui::frmSoulUrge* newest = windows.result();
        return newest && newest->isVisible() ? newest : nullptr;
    }
};

// Gives every test function a fresh harness and a main window that is shown and active.
class ShownMainWindowTest : public QObject {
    Q_OBJECT

protected:
    std::unique_ptr<WindowHarness> m_harness;
    QPointer<ui::frmMain> m_main;

private slots:
    void init()
    {
        m_harness = std::make_unique<WindowHarness>();
        m_main = m_harness->makeMain();
        QVERIFY(showActive(*m_main));
    }
    void cleanup() { m_harness.reset(); }
};

// The object name of the control with the keyboard focus; empty when none has it.
inline QString focusName()
{
    const QWidget* focus = QApplication::focusWidget();
    return focus ? focus->objectName() : QString();
}

// A left click delivered through the window system at `widget`'s centre, so it reaches whichever
// control is on top at that point.
inline void clickThroughWindow(QWidget& widget)
{
    QWidget* window = widget.window();
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {},
                      widget.mapTo(window, widget.rect().center()));
}

} // namespace lumo::testing
