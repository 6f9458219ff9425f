#include "ui/app_icon.h"

#include <QApplication>

// Resources of a static library must be registered by hand before first use.
static void initLumoResources()
{
    Q_INIT_RESOURCE(lumo_ui);
}

namespace lumo::ui {

namespace {
// Every size the icon is drawn at, so that title bars, task switchers and picture boxes stay
// sharp at any screen scale.
constexpr int kIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};
constexpr int kPictureSize = 32;
} // namespace

QIcon applicationIcon()
{
    initLumoResources();
    QIcon icon;
    // Pictures, not file names: an icon made of files answers every size with the first file it
    // loaded on Qt 6.8, so a title bar at twice the scale got the 32-pixel picture for all sizes.
    for (const int size : kIconSizes) {
        icon.addPixmap(QPixmap(QStringLiteral(":/lumo/icons/%1.png").arg(size)));
    }
    return icon;
}

QPixmap applicationPixmap()
{
    // 32 × 32 logical pixels, drawn from the size that fills them on this screen.
    return applicationIcon().pixmap(QSize(kPictureSize, kPictureSize), qApp->devicePixelRatio());
}

} // namespace lumo::ui
