#include "app/application.h"

#include "app/app_texts.h"
#include "app/co_brand.h"
#include "app/frm_nag_screen2.h"
#include "common/attempt.h"
#include "common/qt_text.h"
#include "platform/clock.h"
#include "platform/instance_lock.h"
#include "platform/process_control.h"
#include "platform/random_source.h"
#include "platform/user_messages.h"
#include "ui/frm_main.h"
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
{
    // The program ends only through EndProgram, never because its last visible window closed
    // (Back closes the result window before it shows the main window again).
    QApplication::setQuitOnLastWindowClosed(false);
}

Application::~Application()
{
    delete m_exitScreen;
    delete m_main;
}

bool Application::StartApplication()
{
    if (m_services.instanceLock.anotherInstanceRunning()) {
        m_services.messages.information(nullptr, toQString(texts::kAlreadyRunning));
        EndProgram();
        return false;
    }
    attempt([this] { m_services.random.seed(m_services.clock.timeOfDaySeed()); });
    attempt([this] { m_reminder->CheckUpdateReminder(); });
    // The main window's load runs the reminder a second time.
    attempt([this] {
        m_main = new ui::frmMain({.messages = m_services.messages,
                                  .clipboard = m_services.clipboard,
                                  .pages = *m_pages,
                                  .closing = this},
                                 *m_reminder);
        m_main->setAttribute(Qt::WA_DeleteOnClose);
        m_main->show();
    });
    attempt([this] {
        if (m_main) {
            CoBrand_Randomize(m_main->promotions(), m_services.random);
        }
    });
    return true;
}

void Application::loadExitScreen()
{
    if (m_exitScreen) {
        return;
    }
    m_exitScreen = new frmNagScreen2({.messages = m_services.messages,
                                      .pages = *m_pages,
                                      .clock = m_services.clock,
                                      .random = m_services.random,
                                      .endProgram = [this] { EndProgram(); }});
}

void Application::ShowExitScreen(ui::ClosingReason reason)
{
    if (m_ending) {
        return; // shutdown is unloading the windows; nothing is to reappear
    }
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
    if (m_ending) {
        return; // re-entered from an unload below; the outer call ends the process
    }
    m_ending = true;
    QList<QWidget*> windows;
    if (m_main) {
        if (ui::frmSoulUrge* result = m_main->resultWindow()) {
            windows << result;
        }
        windows << m_main;
    }
    if (m_exitScreen) {
        windows << m_exitScreen;
    }
    for (QWidget* window : windows) {
        attempt([window] { window->close(); });
    }
    m_services.instanceLock.release();
    m_services.process.endNow(0);
}

} // namespace lumo::app
