#include "ui/capitalising_filter.h"

#include <QCoreApplication>
#include <QKeyEvent>

namespace lumo::ui {

namespace {
bool isTypedLowerCaseLetter(const QKeyEvent& key)
{
    // A key whose text is a letter is typing, whatever modifier came with it; shortcuts such as
    // Ctrl+A carry a control character instead.
    const QString text = key.text();
    return text.size() == 1 && text.front() >= QLatin1Char('a') && text.front() <= QLatin1Char('z');
}
} // namespace

bool CapitalisingFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress) {
        return false;
    }
    const auto& key = static_cast<const QKeyEvent&>(*event);
    if (!isTypedLowerCaseLetter(key)) {
        return false;
    }
    // The box gets the same key with the capital letter, so undo, selection and read-only state
    // behave as for any typed key.
    QKeyEvent capital(QEvent::KeyPress, key.key(), key.modifiers(), key.text().toUpper(),
                      key.isAutoRepeat(), static_cast<quint16>(key.count()));
    QCoreApplication::sendEvent(watched, &capital);
    return true;
}

} // namespace lumo::ui
