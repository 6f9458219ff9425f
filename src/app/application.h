#pragma once

#include "ui/closing_reason.h"

#include <QObject>
#include <QPointer>
#include <memory>

namespace lumo::platform {
class Clipboard;
class Clock;
class InstanceLock;
class RandomSource;
class SettingsStore;
class UserMessages;
class WebOpener;
} // namespace lumo::platform

namespace lumo::modHelp {
class PageLauncher;
class UpdateReminder;
} // namespace lumo::modHelp

namespace lumo::ui {
class frmNagScreen2;
}

namespace lumo::app {

class WorkingWindows;

// Every operating-system service the program uses, owned by the caller.
struct AppServices {
    platform::UserMessages& messages;
    platform::Clipboard& clipboard;
    platform::WebOpener& web;
    platform::SettingsStore& settings;
    platform::Clock& clock;
    platform::InstanceLock& instanceLock;
    platform::RandomSource& random;
};

// Start-up, the windows' closing and shutdown. Creates every window, hears their closing through
// their signals and decides what appears next.
class Application final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Application)

public:
    explicit Application(AppServices services);
    ~Application() override;

    // Takes the single-instance lock, then opens the main window. False when this copy must not
    // run, or was told to end before it ran: the caller then ends without entering the event
    // loop.
    bool StartApplication();
    // Closes every window and reports that the program has ended. Also the end asked for from
    // outside (a session ending): no exit screen then.
    void EndProgram();

signals:
    // Every window is closed: the event loop is to end with `exitCode`.
    void programEnded(int exitCode);

private:
    // A working window has closed: the first closing of either kind loads the exit screen, and
    // only a real close shows it. Back keeps it hidden, so it never flashes up.
    void ShowExitScreen(ui::ClosingReason reason);
    void loadExitScreen();

    AppServices m_services;
    std::unique_ptr<modHelp::PageLauncher> m_pages;
    std::unique_ptr<modHelp::UpdateReminder> m_reminder;
    std::unique_ptr<WorkingWindows> m_windows;
    // The exit screen deletes itself when it closes; this only follows it.
    QPointer<ui::frmNagScreen2> m_exitScreen;
    bool m_ended = false;
};

} // namespace lumo::app
