#include "platform/platform_choice.h"

namespace lumo::platform {

std::string chosenPlatformPlugins(const DisplayVariables& variables)
{
    if (!variables.qtPlatform.empty()) {
        return {};
    }
    const bool x11 = !variables.x11Display.empty();
    const bool wayland = !variables.waylandDisplay.empty();
    if (x11 && wayland) {
        // Wayland only where the X server cannot be reached.
        return "xcb;wayland";
    }
    if (x11) {
        return "xcb";
    }
    if (wayland) {
        return "wayland";
    }
    return {};
}

} // namespace lumo::platform
