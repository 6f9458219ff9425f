#include "ui/app_icon.h"

#include "ui/picture_icon_engine.h"

#include <QApplication>

// Resources of a static library must be registered by hand before first use.
static void initLumoResources()
{
    Q_INIT_RESOURCE(lumo_ui);
}

namespace lumo::ui {

namespace {
// The sizes the icon is rendered in (resources/icons), so that title bars and picture boxes stay
// sharp at any screen scale.
const QList<int> kIconSizes{16, 22, 24, 32, 48, 64, 128, 256};
// The icon's own size: one 32 x 32 image. Docks, menus and task switchers take the installed
// theme icon of every size from the menu entry instead.
constexpr int kPictureSize = 32;
} // namespace

QIcon applicationIcon()
{
    // Pictures, not file names: an icon made of files answers every size with the first file it
    // loaded on Qt 6.8, so a title bar at twice the scale got the 32-pixel picture for all sizes.
    // Each is decoded only when a size needs it.
    return QIcon(
        new PictureIconEngine(kIconSizes, {QSize(kPictureSize, kPictureSize)}, [](int side) {
            initLumoResources();
            return QPixmap(QStringLiteral(":/lumo/icons/%1.png").arg(side));
        }));
}

QPixmap applicationPixmap()
{
    // 32 × 32 logical pixels, drawn from the size that fills them on this screen.
    return applicationIcon().pixmap(QSize(kPictureSize, kPictureSize), qApp->devicePixelRatio());
}

} // namespace lumo::ui
