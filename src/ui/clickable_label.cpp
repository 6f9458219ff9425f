#include "ui/clickable_label.h"

#include "common/qt_text.h"
#include "ui/accessible_roles.h"
#include "ui/program_style.h"
#include "ui/theme.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

namespace lumo::ui {

namespace {
// What a screen reader is told of a clickable label: a link, named by its caption, that can be
// pressed; a covered one is reported invisible.
class ClickableLabelAccessible final : public QAccessibleWidget {
public:
    explicit ClickableLabelAccessible(ClickableLabel* label)
        : QAccessibleWidget(label, QAccessible::Link)
    {
    }

    [[nodiscard]] QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.linked = true;
        if (label()->isCovered()) {
            state.invisible = true;
            state.focusable = false;
        }
        return state;
    }
    [[nodiscard]] QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override
    {
        if (name == pressAction() && !label()->isCovered()) {
            emit label()->clicked();
        }
    }

private:
    [[nodiscard]] ClickableLabel* label() const { return static_cast<ClickableLabel*>(widget()); }
};

QAccessibleInterface* accessibleFor(const QString& className, QObject* object)
{
    if (className == QLatin1String(ClickableLabel::staticMetaObject.className())) {
        return new ClickableLabelAccessible(static_cast<ClickableLabel*>(object));
    }
    return nullptr;
}
} // namespace

ClickableLabel::ClickableLabel(const QString& objectName, const QString& caption, QWidget* parent)
    : QLabel(caption, parent)
{
    installAccessibleFactory(accessibleFor);
    setObjectName(objectName);
    setAccessibleName(caption);
    setCursor(Qt::PointingHandCursor);
    setWordWrap(true);
    setTextFormat(Qt::PlainText);
    // Reached with Tab; a click follows the link without taking the focus.
    setFocusPolicy(Qt::TabFocus);
}

namespace {
// The focus frame and a pixel of clear space between it and the caption.
constexpr int kFocusRoom = theme::kFocusFrameWidth + 1;
// The lines a frame draws along its edges.
constexpr int kContainerEdge = 2;

// The part of `container` that its edges leave clear.
QRect clearArea(const QWidget& container)
{
    return container.rect().adjusted(kContainerEdge, kContainerEdge, -kContainerEdge,
                                     -kContainerEdge);
}
} // namespace

void ClickableLabel::placeText(const QRect& textArea)
{
    QRect area = textArea;
    if (const QWidget* container = parentWidget()) {
        // A caption reaching past its frame's edge would be cut, and its focus frame with it.
        area &= clearArea(*container).adjusted(kFocusRoom, kFocusRoom, -kFocusRoom, -kFocusRoom);
    }
    setGeometry(area.adjusted(-kFocusRoom, -kFocusRoom, kFocusRoom, kFocusRoom));
    setContentsMargins(kFocusRoom, kFocusRoom, kFocusRoom, kFocusRoom);
}

void ClickableLabel::setFace(const QColor& face)
{
    m_face = face;
    update();
}

void ClickableLabel::setCovered(bool covered)
{
    m_covered = covered;
    setFocusPolicy(covered ? Qt::NoFocus : Qt::TabFocus);
    if (covered && hasFocus()) {
        clearFocus();
    }
    // Hidden while covered: the label in front hides it whole, so drawing it would be wasted.
    setVisible(!covered);
}

bool ClickableLabel::event(QEvent* event)
{
    if (event->type() != QEvent::Polish) {
        return QLabel::event(event);
    }
    // As it is polished, QLabel gives a label that can take the focus a text editor of its own,
    // with a document laid out in the application's font: several million instructions before
    // the window first shows, for a caption this label draws itself. Polished as a label that
    // takes no focus, it makes that editor only once it first gets the focus, as before.
    const Qt::FocusPolicy policy = focusPolicy();
    setFocusPolicy(Qt::NoFocus);
    const bool handled = QLabel::event(event);
    setFocusPolicy(policy);
    return handled;
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
    QLabel::mouseReleaseEvent(event);
}

void ClickableLabel::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
            emit clicked();
            event->accept();
            return;
        }
        break;
    default:
        break;
    }
    QLabel::keyPressEvent(event);
}

bool ClickableLabel::drawsItsOwnCaption() const
{
    // What the links are: enabled, wrapped plain text from the left edge. Anything else is left
    // to QLabel.
    const Qt::Alignment horizontal =
        QStyle::visualAlignment(layoutDirection(), alignment()) & Qt::AlignHorizontal_Mask;
    return isEnabled() && wordWrap() && textFormat() == Qt::PlainText && buddy() == nullptr &&
           horizontal == Qt::AlignLeft && !text().isRightToLeft() && margin() == 0 &&
           indent() <= 0 && frameWidth() == 0;
}

const WrappedCaption& ClickableLabel::caption()
{
    m_caption.layOut(text(), font(), contentsRect(), alignment());
    return m_caption;
}

void ClickableLabel::paintEvent(QPaintEvent* event)
{
    const bool ownCaption = drawsItsOwnCaption();
    {
        QPainter painter(this);
        if (m_face.isValid()) {
            painter.fillRect(contentsRect(), m_face);
        }
        if (ownCaption && !text().isEmpty()) {
            // The pen QLabel draws its caption with.
            QStyleOption option;
            option.initFrom(this);
            painter.setPen(QPen(option.palette.brush(foregroundRole()), painter.pen().widthF()));
            caption().draw(painter);
        }
    }
    if (!ownCaption) {
        QLabel::paintEvent(event);
    }
    if (!hasFocus()) {
        return;
    }
    // Around the caption as it is drawn, within the part of the label its frame leaves visible.
    QRect drawn = contentsRect();
    if (ownCaption && !text().isEmpty()) {
        drawn = caption().boundingRect();
    } else if (!text().isEmpty()) {
        const int flags = int(QStyle::visualAlignment(layoutDirection(), alignment())) |
                          (wordWrap() ? int(Qt::TextWordWrap) : 0);
        drawn = style()->itemTextRect(fontMetrics(), contentsRect(), flags, isEnabled(), text());
    }
    QRect visible = rect();
    if (const QWidget* container = parentWidget()) {
        visible &= clearArea(*container).translated(-pos());
    }
    const QRect frame =
        drawn.adjusted(-kFocusRoom, -kFocusRoom, kFocusRoom, kFocusRoom).intersected(visible);
    const QColor face = m_face.isValid() ? m_face : palette().color(backgroundRole());
    const QWidget* container = parentWidget();
    const QColor around =
        container != nullptr ? container->palette().color(container->backgroundRole()) : face;
    QPainter painter(this);
    ui::drawFrame(painter, frame, theme::kFocusFrameWidth, theme::focusColour(face, around));
}

QString displayedCaption(const char* stored)
{
    return toQString(stored).replace(QStringLiteral("&&"), QStringLiteral("&"));
}

} // namespace lumo::ui
