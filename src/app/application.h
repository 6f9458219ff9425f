#pragma once

#include "ui/closing_step.h"

#include <QPointer>
#include <memory>

namespace lumo::platform {
class Clipboard;
class Clock;
class InstanceLock;
class ProcessControl;
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
class frmMain;
}

namespace lumo::app {

class frmNagScreen2;

// Every operating-system service the program uses, owned by the caller.
struct AppServices {
    platform::UserMessages& messages;
    platform::Clipboard& clipboard;
    platform::WebOpener& web;
    platform::SettingsStore& settings;
    platform::Clock& clock;
    platform::InstanceLock& instanceLock;
    platform::ProcessControl& process;
    platform::RandomSource& random;
};

// Start-up, the closing step of the working windows, the exit screen and shutdown.
class Application final : public ui::ClosingStep {
public:
    explicit Application(AppServices services);
    ~Application() override;
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // Refuses a second copy, then opens the main window. False when this copy must not run.
    bool StartApplication();
    // Unloads every window, then ends the process at once.
    void EndProgram();

    // A working window has closed: the first closing of either kind loads the exit screen, and
    // only a real close shows it. Back keeps it hidden, so it never flashes up.
    void ShowExitScreen(ui::ClosingReason reason) override;

private:
    void loadExitScreen();

    AppServices m_services;
    std::unique_ptr<modHelp::PageLauncher> m_pages;
    std::unique_ptr<modHelp::UpdateReminder> m_reminder;
    QPointer<ui::frmMain> m_main;
    QPointer<frmNagScreen2> m_exitScreen;
    bool m_ending = false;
};

} // namespace lumo::app
