#include "ui/clickable_label.h"

#include "common/qt_text.h"

#include <QMouseEvent>

namespace lumo::ui {

ClickableLabel::ClickableLabel(const QString& objectName, const QString& caption, QWidget* parent)
    : QLabel(caption, parent)
{
    setObjectName(objectName);
    setAccessibleName(caption);
    setCursor(Qt::PointingHandCursor);
    setWordWrap(true);
    setTextFormat(Qt::PlainText);
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
    QLabel::mouseReleaseEvent(event);
}

QString displayedCaption(const char* stored)
{
    return toQString(stored).replace(QStringLiteral("&&"), QStringLiteral("&"));
}

} // namespace lumo::ui
