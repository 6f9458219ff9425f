#include "ui/placeholder_filter.h"

#include "common/qt_text.h"
#include "ui/referral_box.h"

#include <QEvent>
#include <QWidget>

namespace lumo::ui {

void PlaceholderFilter::watch(QWidget* box, const QString& placeholder)
{
    m_placeholders.insert(box, placeholder);
    box->installEventFilter(this);
}

bool PlaceholderFilter::eventFilter(QObject* watched, QEvent* event)
{
    const auto type = event->type();
    if (type != QEvent::FocusIn && type != QEvent::FocusOut) {
        return false;
    }
    const auto found = m_placeholders.constFind(watched);
    if (found == m_placeholders.cend()) {
        return false;
    }
    auto* box = static_cast<QWidget*>(watched);
    const QString trimmed = trimSpaces(boxText(box));
    if (type == QEvent::FocusIn && trimmed == *found) {
        setBoxText(box, QString());
    } else if (type == QEvent::FocusOut && trimmed.isEmpty()) {
        setBoxText(box, *found);
    }
    return false;
}

} // namespace lumo::ui
