#include "ui/clickable_label.h"

#include "common/qt_text.h"
#include "ui/look.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

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

void registerAccessibility()
{
    static const bool registered = [] {
        QAccessible::installFactory(accessibleFor);
        return true;
    }();
    Q_UNUSED(registered);
}
} // namespace

ClickableLabel::ClickableLabel(const QString& objectName, const QString& caption, QWidget* parent)
    : QLabel(caption, parent)
{
    registerAccessibility();
    setObjectName(objectName);
    setAccessibleName(caption);
    setCursor(Qt::PointingHandCursor);
    setWordWrap(true);
    setTextFormat(Qt::PlainText);
    // Reached with Tab; a click follows the link without taking the focus.
    setFocusPolicy(Qt::TabFocus);
}

void ClickableLabel::setCovered(bool covered)
{
    m_covered = covered;
    setFocusPolicy(covered ? Qt::NoFocus : Qt::TabFocus);
    if (covered && hasFocus()) {
        clearFocus();
    }
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

void ClickableLabel::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (!hasFocus()) {
        return;
    }
    // A frame in whichever colour stands out most from what the label lies on.
    QPainter painter(this);
    constexpr int kWidth = 2;
    painter.setPen(QPen(look::focusRingOn(palette().color(backgroundRole())), kWidth));
    painter.drawRect(rect().adjusted(kWidth / 2, kWidth / 2, -kWidth / 2, -kWidth / 2));
}

QString displayedCaption(const char* stored)
{
    return toQString(stored).replace(QStringLiteral("&&"), QStringLiteral("&"));
}

} // namespace lumo::ui
