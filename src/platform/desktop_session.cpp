#include "platform/desktop_session.h"

#include <QApplication>
#include <QByteArray>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace lumo::platform {

namespace {
QtMessageHandler g_forwardTo = nullptr;

void reportDisplayFailure(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtFatalMsg) {
        const QByteArray display = qgetenv("DISPLAY");
        std::fprintf(stderr,
                     "lumo-soul-urge-number: cannot open the display%s%s%s; run it on a "
                     "desktop or under xvfb-run.\n",
                     display.isEmpty() ? "" : " (DISPLAY=", display.constData(),
                     display.isEmpty() ? "" : ")");
        std::fflush(stderr);
        std::_Exit(1);
    }
    // The platform plugin's own complaints lead up to the fatal message; they are summed up by
    // the one line above. Anything else still reaches the terminal.
    if (context.category != nullptr && std::strncmp(context.category, "qt.qpa", 6) == 0) {
        return;
    }
    if (g_forwardTo != nullptr) {
        g_forwardTo(type, context, message);
    }
}

// While it lives, the handler above watches Qt's messages.
class DisplayStartGuard final {
public:
    DisplayStartGuard()
        : m_previous(qInstallMessageHandler(reportDisplayFailure))
    {
        g_forwardTo = m_previous;
    }
    ~DisplayStartGuard()
    {
        qInstallMessageHandler(m_previous);
        g_forwardTo = nullptr;
    }
    DisplayStartGuard(const DisplayStartGuard&) = delete;
    DisplayStartGuard& operator=(const DisplayStartGuard&) = delete;

private:
    QtMessageHandler m_previous;
};
} // namespace

std::unique_ptr<QApplication> openDesktopSession(char* programPath, const QString& desktopId)
{
    if (const QString reason = missingDisplayReason(); !reason.isEmpty()) {
        std::fprintf(stderr, "%s\n", qUtf8Printable(reason));
        return nullptr;
    }
    // The program takes no command line: Qt sees the program's path alone, so that options such
    // as -stylesheet or -reverse change nothing. Qt keeps both for the application's lifetime.
    static char* qtArgv[] = {programPath, nullptr};
    static int qtArgc = 1;
    const DisplayStartGuard guard;
    auto application = std::make_unique<QApplication>(qtArgc, qtArgv);
    // Lets the desktop match the windows to the program's menu entry and icon.
    QGuiApplication::setDesktopFileName(desktopId);
    return application;
}

} // namespace lumo::platform
