#include "ui/visible_caret.h"

#include "ui/theme.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QPaintEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <optional>

namespace lumo::ui {

namespace {
constexpr int kCaretWidth = 2;
// Qt reports a line edit's caret with this many pixels of room on its left.
constexpr int kLineEditCaretRoom = 5;

struct Caret {
    QRect rect; // in the painted widget; from where Qt draws its own caret, to the right

    QColor face;
};

// Where the caret of the box painted on `widget` lies, if it is to be seen.
std::optional<Caret> caretOf(QWidget& widget)
{
    if (auto* edit = qobject_cast<QLineEdit*>(&widget)) {
        if (!edit->hasFocus() || edit->isReadOnly()) {
            return std::nullopt;
        }
        const QRect room = edit->inputMethodQuery(Qt::ImCursorRectangle).toRect();
        if (room.isEmpty()) {
            return std::nullopt;
        }
        const int x = room.left() + kLineEditCaretRoom;
        return Caret{QRect(x, room.top(), kCaretWidth, room.height()),
                     edit->palette().color(QPalette::Base)};
    }
    QWidget* box = widget.parentWidget();
    QRect at;
    Qt::TextInteractionFlags flags;
    if (auto* plain = qobject_cast<QPlainTextEdit*>(box)) {
        at = plain->cursorRect();
        flags = plain->textInteractionFlags();
    } else if (auto* rich = qobject_cast<QTextEdit*>(box)) {
        at = rich->cursorRect();
        flags = rich->textInteractionFlags();
    } else {
        return std::nullopt;
    }
    const bool shown =
        flags.testFlag(Qt::TextEditable) || flags.testFlag(Qt::TextSelectableByKeyboard);
    if (!box->hasFocus() || !shown || at.height() <= 0) {
        return std::nullopt;
    }
    return Caret{QRect(at.left(), at.top(), kCaretWidth, at.height()),
                 box->palette().color(QPalette::Base)};
}
} // namespace

VisibleCaret::VisibleCaret(QObject* parent)
    : QObject(parent)
{
}

void VisibleCaret::watch(QWidget& widget)
{
    widget.removeEventFilter(this);
    widget.installEventFilter(this);
}

void VisibleCaret::forget(QWidget& widget)
{
    widget.removeEventFilter(this);
}

bool VisibleCaret::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::Paint || m_painting == watched || !watched->isWidgetType()) {
        return QObject::eventFilter(watched, event);
    }
    auto& widget = *static_cast<QWidget*>(watched);
    // The box paints itself first, through every other filter; the caret goes on top.
    m_painting = watched;
    QCoreApplication::sendEvent(watched, event);
    m_painting = nullptr;
    if (const auto caret = caretOf(widget)) {
        QPainter painter(&widget);
        painter.setClipRegion(static_cast<QPaintEvent*>(event)->region());
        painter.fillRect(caret->rect, theme::focusColour(caret->face, caret->face));
    }
    return true;
}

} // namespace lumo::ui
