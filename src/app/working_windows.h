#pragma once

#include "ui/closing_reason.h"
#include "ui/window_services.h"

#include <QObject>
#include <QPointer>

namespace lumo::platform {
class Clipboard;
}

namespace lumo::modHelp {
class UpdateReminder;
}

namespace lumo::ui {
class frmMain;
class frmSoulUrge;
} // namespace lumo::ui

namespace lumo::app {

// The main window and the result windows it opens, wired together: each report the main window
// hands on opens a fresh result window, whose Back shows the main window again. What the
// program does when either closes is left to whoever hears `closing`.
class WorkingWindows final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(WorkingWindows)

public:
    // The services and the reminder must outlive this object.
    WorkingWindows(ui::WindowServices services, platform::Clipboard& clipboard,
                   modHelp::UpdateReminder& reminder);
    // Deletes the windows still there: those that closed are deleted later, by an event loop
    // that may no longer run.
    ~WorkingWindows() override;

    // Creates the main window, not yet shown; its load runs the reminder. Once per object.
    ui::frmMain& createMain();
    // Each window deletes itself when it closes; these are null then.
    [[nodiscard]] ui::frmMain* main() const;
    [[nodiscard]] ui::frmSoulUrge* result() const;

signals:
    // The main window or a result window has closed.
    void closing(lumo::ui::ClosingReason reason);

private:
    void showResult(const QString& report);

    ui::WindowServices m_services;
    platform::Clipboard& m_clipboard;
    modHelp::UpdateReminder& m_reminder;
    QPointer<ui::frmMain> m_main;
    QPointer<ui::frmSoulUrge> m_result;
};

} // namespace lumo::app
