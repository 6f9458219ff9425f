#pragma once

#include <string>
#include <string_view>

namespace lumo::platform {

// The display variables of the environment the program starts in; empty when unset.
struct DisplayVariables {
    std::string_view qtPlatform;     // QT_QPA_PLATFORM
    std::string_view x11Display;     // DISPLAY
    std::string_view waylandDisplay; // WAYLAND_DISPLAY
};

// The Qt platform plug-ins to try, in order and separated by ';', or an empty text to leave the
// choice to Qt. Wherever an X server is named (X11, or the Xwayland that GNOME and Plasma start)
// the program runs on X11: only there can a window keep itself above others and be placed at
// the screen's centre, and the choice must not depend on whether Qt's Wayland plug-in happens to
// be installed. Native Wayland is for sessions without Xwayland. The user's own QT_QPA_PLATFORM
// always wins.
[[nodiscard]] std::string chosenPlatformPlugins(const DisplayVariables& variables);

} // namespace lumo::platform
