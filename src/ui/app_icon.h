#pragma once

#include <QIcon>
#include <QPixmap>

namespace lumo::ui {

// The 32 x 32 application image, used as every window's icon and in the picture boxes.
[[nodiscard]] QPixmap applicationPixmap();
[[nodiscard]] QIcon applicationIcon();

} // namespace lumo::ui
