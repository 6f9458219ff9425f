#include "platform/desktop_session.h"

#include <QWidget>
#include <windows.h>

namespace lumo::platform {

// Windows has one platform plug-in; a DISPLAY inherited under Wine means nothing to it.
std::string sessionPlatformPlugins()
{
    return {};
}

QString missingDisplayReason()
{
    return {};
}

void makeTopmost(QWidget& window)
{
    // SWP_SHOWWINDOW is left out: the window is shown by its own show(), so that a load that
    // must stay hidden (the result window's Back) never flashes it on screen.
    SetWindowPos(reinterpret_cast<HWND>(window.winId()), HWND_TOPMOST, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
}

} // namespace lumo::platform
