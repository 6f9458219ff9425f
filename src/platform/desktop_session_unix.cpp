#include "platform/desktop_session.h"

#include <QWidget>
#include <cstdlib>

namespace lumo::platform {

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
