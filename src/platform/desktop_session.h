#pragma once

#include <QString>
#include <memory>
#include <string>

class QApplication;
class QWidget;

namespace lumo::platform {

// Why no window can be shown, or an empty text when a display is there. Asked before the
// application object exists, so a machine without a display gets one clear line, not an abort.
[[nodiscard]] QString missingDisplayReason();

// The Qt platform plug-ins this session is to use, as chosenPlatformPlugins decides from the
// environment, or an empty text where Qt chooses (always on Windows).
[[nodiscard]] std::string sessionPlatformPlugins();

// Creates the application object for the program at `programPath`, known to the desktop by
// `desktopId`; any other argument the program was given is ignored. Where no window can be shown
// (no display named, or the named one cannot be opened) it prints one line saying so and returns
// null, instead of Qt's plugin messages and an abort. Qt is started on the session's platform
// plug-ins (sessionPlatformPlugins).
[[nodiscard]] std::unique_ptr<QApplication> openDesktopSession(char* programPath,
                                                               const QString& desktopId);

// Keeps `window` above all other windows, other programs' included, without showing it.
void makeTopmost(QWidget& window);

} // namespace lumo::platform
