#include "app/working_windows.h"

#include "ui/frm_main.h"
#include "ui/frm_soul_urge.h"

namespace lumo::app {

WorkingWindows::WorkingWindows(ui::WindowServices services, platform::Clipboard& clipboard,
                               modHelp::UpdateReminder& reminder)
    : m_services(services)
    , m_clipboard(clipboard)
    , m_reminder(reminder)
{
}

WorkingWindows::~WorkingWindows()
{
    delete m_result;
    delete m_main;
}

ui::frmMain& WorkingWindows::createMain()
{
    Q_ASSERT(!m_main);
    m_main = new ui::frmMain(m_services, m_reminder);
    m_main->setAttribute(Qt::WA_DeleteOnClose);
    connect(m_main, &ui::frmMain::reportReady, this, &WorkingWindows::showResult);
    connect(m_main, &ui::frmMain::closing, this, &WorkingWindows::closing);
    return *m_main;
}

ui::frmMain* WorkingWindows::main() const
{
    return m_main;
}

ui::frmSoulUrge* WorkingWindows::result() const
{
    return m_result;
}

void WorkingWindows::showResult(const QString& report)
{
    // A fresh window for every calculation; the one before deleted itself when it closed.
    m_result = new ui::frmSoulUrge(m_services.pages, m_clipboard);
    connect(m_result, &ui::frmSoulUrge::closing, this, &WorkingWindows::closing);
    connect(m_result, &ui::frmSoulUrge::backToMain, m_main, &QWidget::show);
    m_result->show();
    m_result->insertReport(report);
}

} // namespace lumo::app
