#include "platform/desktop_session.h"

#include <QApplication>
#include <QByteArray>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace lumo::platform {

namespace {
// A message that came while the display opened, passed on only once it has opened.
struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};
std::vector<HeldMessage> g_held;

void reportDisplayFailure(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtFatalMsg) {
        const QByteArray display = qgetenv("DISPLAY");
        const QByteArray wayland = qgetenv("WAYLAND_DISPLAY");
        if (display.isEmpty() && !wayland.isEmpty()) {
            // A Wayland session without Xwayland needs Qt's Wayland plug-in, which the Qt
            // libraries do not bring along.
            std::fprintf(stderr,
                         "lumo-soul-urge-number: cannot open the Wayland display "
                         "(WAYLAND_DISPLAY=%s); it needs Qt's Wayland plug-in (Debian: "
                         "qt6-wayland), or run it under Xwayland or xvfb-run.\n",
                         wayland.constData());
        } else {
            std::fprintf(stderr,
                         "lumo-soul-urge-number: cannot open the display%s%s%s; run it on a "
                         "desktop or under xvfb-run.\n",
                         display.isEmpty() ? "" : " (DISPLAY=", display.constData(),
                         display.isEmpty() ? "" : ")");
        }
        std::fflush(stderr);
        std::_Exit(1);
    }
    // The platform plugin's own complaints lead up to the fatal message; they are summed up by
    // the one line above. Anything else (a plug-in that could not connect says so in the default
    // category) waits, and reaches the terminal once the display has opened.
    if (context.category != nullptr && std::strncmp(context.category, "qt.qpa", 6) == 0) {
        return;
    }
    g_held.push_back({type, QByteArray(context.category), message});
}

// While it lives, the handler above watches Qt's messages.
class DisplayStartGuard final {
public:
    DisplayStartGuard()
        : m_previous(qInstallMessageHandler(reportDisplayFailure))
    {
    }
    ~DisplayStartGuard()
    {
        qInstallMessageHandler(m_previous);
        for (const HeldMessage& held : std::exchange(g_held, {})) {
            if (m_previous != nullptr) {
                const QMessageLogContext context(nullptr, 0, nullptr, held.category.constData());
                m_previous(held.type, context, held.text);
            }
        }
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
    // The program takes no command line: Qt sees the program's path alone, and the platform
    // plug-ins chosen for this session, so that options such as -stylesheet or -reverse change
    // nothing. Qt keeps both for the application's lifetime.
    static std::string plugins;
    static char platformOption[] = "-platform";
    static char* qtArgv[] = {programPath, nullptr, nullptr, nullptr};
    static int qtArgc = 1;
    plugins = sessionPlatformPlugins();
    if (!plugins.empty()) {
        qtArgv[1] = platformOption;
        qtArgv[2] = plugins.data();
        qtArgc = 3;
    }
    const DisplayStartGuard guard;
    auto application = std::make_unique<QApplication>(qtArgc, qtArgv);
    // Lets the desktop match the windows to the program's menu entry and icon.
    QGuiApplication::setDesktopFileName(desktopId);
    return application;
}

} // namespace lumo::platform
