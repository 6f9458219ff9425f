#include "app/application.h"
#include "common/qt_text.h"
#include "platform/desktop_session.h"
#include "platform/native_services.h"
#include "ui/theme.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    static char fallbackPath[] = "lumo-soul-urge-number";
    const auto application = lumo::platform::openDesktopSession(argc > 0 ? argv[0] : fallbackPath,
                                                                QStringLiteral(LUMO_APP_ID));
    if (!application) {
        return 1;
    }
    // The program's own style and palettes, before any window exists: high-contrast ones when
    // the desktop asks for them.
    lumo::ui::theme::install(*lumo::platform::createContrastPreference());
    // The application name is the executable's file name; it names the settings and the lock.
    const auto services = lumo::platform::createNativeServices(QApplication::applicationName(),
                                                               lumo::applicationTitle());
    lumo::app::Application program({.messages = *services.messages,
                                    .clipboard = *services.clipboard,
                                    .web = *services.web,
                                    .settings = *services.settings,
                                    .clock = *services.clock,
                                    .instanceLock = *services.instanceLock,
                                    .random = *services.random});
    QObject::connect(&program, &lumo::app::Application::programEnded, qApp,
                     &QCoreApplication::exit);
    QObject::connect(services.endRequests.get(), &lumo::platform::EndRequests::endRequested,
                     &program, &lumo::app::Application::EndProgram); // SIGTERM and the like
    if (!program.StartApplication()) {
        return 0; // another copy is running; this one has said so and ends
    }
    // EndProgram leaves the loop; the program, its windows and the services (the lock among
    // them) are then released in turn.
    return QApplication::exec();
}
