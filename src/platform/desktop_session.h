#pragma once

#include <QString>

class QWidget;

namespace lumo::platform {

// Why no window can be shown, or an empty text when a display is there. Asked before the
// application object exists, so a machine without a display gets one clear line, not an abort.
[[nodiscard]] QString missingDisplayReason();

// Keeps `window` above all other windows, other programs' included, without showing it.
void makeTopmost(QWidget& window);

} // namespace lumo::platform
