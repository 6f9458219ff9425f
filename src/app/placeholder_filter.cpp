#include "app/placeholder_filter.h"

#include "common/qt_text.h"

#include <QEvent>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace lumo::app {

namespace {
const QString kCrLf = QStringLiteral("\r\n");
const QString kLf = QStringLiteral("\n");
} // namespace

QString boxText(const QWidget* box)
{
    if (const auto* line = qobject_cast<const QLineEdit*>(box)) {
        return line->text();
    }
    if (const auto* lines = qobject_cast<const QPlainTextEdit*>(box)) {
        return lines->toPlainText().replace(kLf, kCrLf);
    }
    return {};
}

void setBoxText(QWidget* box, const QString& text)
{
    if (auto* line = qobject_cast<QLineEdit*>(box)) {
        line->setText(text);
    } else if (auto* lines = qobject_cast<QPlainTextEdit*>(box)) {
        lines->setPlainText(QString(text).replace(kCrLf, kLf));
    }
}

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

} // namespace lumo::app
