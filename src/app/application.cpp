#include "app/application.h"

#include "app/app_texts.h"
#include "app/co_brand.h"
#include "app/working_windows.h"
#include "common/attempt.h"
#include "common/qt_text.h"
#include "platform/clock.h"
#include "platform/instance_lock.h"
#include "platform/random_source.h"
#include "platform/user_messages.h"
#include "platform/web_opener_native.h"
#include "ui/frm_main.h"
#include "ui/frm_nag_screen2.h"
#include "ui/frm_soul_urge.h"
#include "web/mod_help.h"
#include "web/update_reminder.h"

#include <QApplication>

namespace lumo::app {

Application::Application(AppServices services)
    : m_services(services)
    , m_pages(std::make_unique<modHelp::PageLauncher>(services.web, services.messages))
    , m_reminder(std::make_unique<modHelp::UpdateReminder>(services.settings, services.clock,
                                                           services.messages, *m_pages))
    , m_windows(std::make_unique<WorkingWindows>(
          ui::WindowServices{.messages = services.messages, .pages = *m_pages}, services.clipboard,
          *m_reminder))
{
    // The program ends only through EndProgram, never because its last visible window closed
    // (Back closes the result window before it shows the main window again).
    QApplication::setQuitOnLastWindowClosed(false);
    connect(m_windows.get(), &WorkingWindows::closing, this, &Application::ShowExitScreen);
}

Application::~Application()
{
    // Windows that EndProgram closed are deleted later, by an event loop that no longer runs;
    // m_windows deletes the working windows in the same way.
    delete m_exitScreen;
}

bool Application::StartApplication()
{
    if (!m_services.instanceLock.acquire()) {
        m_services.messages.information(nullptr, toQString(texts::kAlreadyRunning));
        EndProgram();
        return false;
    }
    attempt([this] { m_services.random.seed(m_services.clock.timeOfDaySeed()); });
    attempt([this] { m_reminder->CheckUpdateReminder(); });
    if (m_ended) {
        return false; // asked to end while the reminder's question was up
    }
    // The main window's load runs the reminder a second time.
    attempt([this] { m_windows->createMain().show(); });
    attempt([this] {
        if (ui::frmMain* main = m_windows->main()) {
            CoBrand_Randomize(main->promotions(), m_services.random);
        }
    });
    return true;
}

void Application::loadExitScreen()
{
    if (m_exitScreen) {
        return;
    }
    m_exitScreen = new ui::frmNagScreen2({.messages = m_services.messages,
                                          .pages = *m_pages,
                                          .clock = m_services.clock,
                                          .random = m_services.random,
                                          .longestWebAddress = platform::longestWebAddress()});
    m_exitScreen->setAttribute(Qt::WA_DeleteOnClose);
    connect(m_exitScreen, &ui::frmNagScreen2::closing, this, &Application::EndProgram);
}

void Application::ShowExitScreen(ui::ClosingReason reason)
{
    attempt([this, reason] {
        loadExitScreen();
        if (reason == ui::ClosingReason::Close) {
            m_exitScreen->show();
            m_exitScreen->raise();
            m_exitScreen->activateWindow();
        }
    });
}

void Application::EndProgram()
{
    m_ended = true;
    const QList<QWidget*> windows{m_windows->result(), m_windows->main(), m_exitScreen};
    // Closing the windows below must not bring anything back.
    disconnect(m_windows.get(), nullptr, this, nullptr);
    if (m_exitScreen) {
        disconnect(m_exitScreen, nullptr, this, nullptr);
    }
    for (QWidget* window : windows) {
        if (window) {
            attempt([window] { window->close(); });
        }
    }
    emit programEnded(0);
}

} // namespace lumo::app
