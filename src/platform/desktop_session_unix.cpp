#include "platform/desktop_session.h"
#include "platform/platform_choice.h"

#include <QWidget>
#include <cstdlib>

namespace lumo::platform {

namespace {
std::string_view variable(const char* name)
{
    const char* value = std::getenv(name);
    return value != nullptr ? std::string_view(value) : std::string_view();
}
} // namespace

std::string sessionPlatformPlugins()
{
    return chosenPlatformPlugins({.qtPlatform = variable("QT_QPA_PLATFORM"),
                                  .x11Display = variable("DISPLAY"),
                                  .waylandDisplay = variable("WAYLAND_DISPLAY")});
}

QString missingDisplayReason()
{
    const auto isSet = [](const char* name) {
        const char* value = std::getenv(name);
        return value != nullptr && *value != '\0';
    };
    // An explicit platform (offscreen, vnc, ...) needs no display server.
    if (isSet("QT_QPA_PLATFORM") || isSet("DISPLAY") || isSet("WAYLAND_DISPLAY")) {
        return {};
    }
    return QStringLiteral("lumo-soul-urge-number: no display found (neither DISPLAY nor "
                          "WAYLAND_DISPLAY is set); run it on a desktop or under xvfb-run.");
}

void makeTopmost(QWidget& window)
{
    window.setWindowFlag(Qt::WindowStaysOnTopHint, true);
}

} // namespace lumo::platform
