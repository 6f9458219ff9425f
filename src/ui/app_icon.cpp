#include "ui/app_icon.h"

// Resources of a static library must be registered by hand before first use.
static void initLumoResources()
{
    Q_INIT_RESOURCE(lumo_ui);
}

namespace lumo::ui {

QPixmap applicationPixmap()
{
    initLumoResources();
    return QPixmap(QStringLiteral(":/lumo/app-icon-32.png"));
}

QIcon applicationIcon()
{
    return QIcon(applicationPixmap());
}

} // namespace lumo::ui
