#pragma once

#include <QIcon>
#include <QPixmap>

namespace lumo::ui {

// The application image, 32 x 32 logical pixels, shown by the picture boxes.
[[nodiscard]] QPixmap applicationPixmap();
// The application icon at every size it is drawn in: every window's icon.
[[nodiscard]] QIcon applicationIcon();

} // namespace lumo::ui
