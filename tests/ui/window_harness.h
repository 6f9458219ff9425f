#pragma once

// What the window tests share: the recording fakes handed to a window, and small helpers to find
// controls and drive the windows as a user would.

#include "support/fakes.h"
#include "support/widget_helpers.h"
#include "ui/closing_step.h"
#include "ui/frm_main.h"
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

// Records each closing a window reports, instead of opening an exit screen.
class RecordingClosingStep final : public ui::ClosingStep {
public:
    void ShowExitScreen(ui::ClosingReason reason) override { reasons << reason; }

    QList<ui::ClosingReason> reasons;
};

// The services of one window under test. Must outlive the windows built from it.
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
    RecordingClosingStep recordedClosing;
    ui::ClosingStep* closing = nullptr; // &recordedClosing to record the closing step

    [[nodiscard]] ui::WindowServices services()
    {
        return {.messages = messages, .clipboard = clipboard, .pages = pages, .closing = closing};
    }
};

// Gives every test function a fresh harness and a main window that is shown and active.
class ShownMainWindowTest : public QObject {
    Q_OBJECT

protected:
    std::unique_ptr<WindowHarness> m_harness;
    std::unique_ptr<ui::frmMain> m_main;

private slots:
    void init()
    {
        m_harness = std::make_unique<WindowHarness>();
        m_main = std::make_unique<ui::frmMain>(m_harness->services(), m_harness->reminder);
        QVERIFY(showActive(*m_main));
    }
    void cleanup()
    {
        m_main.reset();
        m_harness.reset();
    }
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
