#pragma once

#include <QIcon>
#include <QPixmap>

namespace lumo::ui {

// The application image, 32 x 32 logical pixels, shown by the picture boxes.
[[nodiscard]] QPixmap applicationPixmap();
// Every window's icon: the design's one 32 x 32 size, drawn at any size from the rendering that
// fits it, each rendering decoded only when a size needs it.
[[nodiscard]] QIcon applicationIcon();

} // namespace lumo::ui
