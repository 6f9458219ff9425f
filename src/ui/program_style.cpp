#include "ui/program_style.h"

#include "ui/theme.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QPainter>
#include <QPainterPath>
#include <QPolygon>
#include <QPushButton>
#include <QStyleFactory>
#include <QStyleOption>
#include <QWidget>

namespace lumo::ui {

void drawFrame(QPainter& painter, const QRect& rect, int width, const QColor& colour)
{
    painter.fillRect(QRect(rect.left(), rect.top(), rect.width(), width), colour);
    painter.fillRect(QRect(rect.left(), rect.bottom() - width + 1, rect.width(), width), colour);
    painter.fillRect(QRect(rect.left(), rect.top(), width, rect.height()), colour);
    painter.fillRect(QRect(rect.right() - width + 1, rect.top(), width, rect.height()), colour);
}

namespace {
// What the control lies on: its parent's background.
QColor surroundings(const QStyleOption& option, const QWidget* widget)
{
    if (widget != nullptr && widget->parentWidget() != nullptr) {
        const QWidget* parent = widget->parentWidget();
        return parent->palette().color(parent->backgroundRole());
    }
    return option.palette.color(QPalette::Window);
}

// The border of a control whose face is `face`: one pixel in the palette's edge colour, or,
// while it has the focus, the focus frame.
void drawBorder(QPainter& painter, const QStyleOption& option, const QWidget* widget,
                const QColor& face)
{
    if (option.state.testFlag(QStyle::State_HasFocus)) {
        drawFrame(painter, option.rect, theme::kFocusFrameWidth,
                  theme::focusColour(face, surroundings(option, widget)));
    } else {
        drawFrame(painter, option.rect, 1, option.palette.color(QPalette::Dark));
    }
}

void drawDownArrow(QPainter& painter, const QRect& area, const QColor& colour)
{
    const int width = std::max(5, std::min(area.width() - 6, 9)) | 1;
    const int height = (width + 1) / 2;
    const int left = area.center().x() - width / 2;
    const int top = area.center().y() - height / 2;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPolygon(QPolygon(
        {QPoint(left, top), QPoint(left + width, top), QPoint(left + width / 2, top + height)}));
    painter.restore();
}

void drawCheckBox(QPainter& painter, const QStyleOption& option)
{
    const QRect box = option.rect;
    painter.fillRect(box, option.palette.color(QPalette::Base));
    drawFrame(painter, box, 1, option.palette.color(QPalette::Dark));
    const QColor mark = option.palette.color(QPalette::Text);
    if (option.state.testFlag(QStyle::State_NoChange)) {
        painter.fillRect(box.adjusted(4, 4, -4, -4), mark);
    } else if (option.state.testFlag(QStyle::State_On)) {
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setPen(QPen(mark, 2));
        const QRectF inner = QRectF(box).adjusted(3, 3, -3, -3);
        QPainterPath tick;
        tick.moveTo(inner.left(), inner.center().y());
        tick.lineTo(inner.left() + inner.width() * 0.4, inner.bottom());
        tick.lineTo(inner.right(), inner.top());
        painter.drawPath(tick);
        painter.restore();
    }
}

// Controls whose focus the border above shows; they need no second frame.
bool framesItsOwnFocus(const QWidget* widget)
{
    return qobject_cast<const QPushButton*>(widget) != nullptr ||
           qobject_cast<const QComboBox*>(widget) != nullptr ||
           qobject_cast<const QAbstractItemView*>(widget) != nullptr;
}
} // namespace

ProgramStyle::ProgramStyle()
    : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion")))
{
}

void ProgramStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                 QPainter* painter, const QWidget* widget) const
{
    switch (element) {
    case PE_PanelButtonCommand: {
        QColor face = option->palette.color(QPalette::Button);
        if (option->state & (State_Sunken | State_On)) {
            face = face.darker(115);
        }
        painter->fillRect(option->rect, face);
        drawBorder(*painter, *option, widget, face);
        return;
    }
    case PE_PanelLineEdit: {
        const QColor face = option->palette.color(QPalette::Base);
        painter->fillRect(option->rect, face);
        const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option);
        if (frame == nullptr || frame->lineWidth > 0) {
            drawBorder(*painter, *option, widget, face);
        }
        return;
    }
    case PE_FrameLineEdit:
        drawBorder(*painter, *option, widget, option->palette.color(QPalette::Base));
        return;
    case PE_Frame:
        if (widget != nullptr && widget->inherits("QAbstractScrollArea")) {
            drawBorder(*painter, *option, widget, option->palette.color(QPalette::Base));
            return;
        }
        break;
    case PE_FrameGroupBox: {
        // An etched line, as classic frames have it, along the rectangle the frame is given
        // (Fusion's own would start a caption's height lower).
        const QColor window = option->palette.color(QPalette::Window);
        const QRect outer = option->rect.adjusted(0, 0, -1, -1);
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing, false);
        painter->setBrush(Qt::NoBrush);
        painter->setPen(window.lighter(130));
        painter->drawRect(outer.translated(1, 1));
        painter->setPen(window.darker(140));
        painter->drawRect(outer);
        painter->restore();
        return;
    }
    case PE_IndicatorCheckBox:
        drawCheckBox(*painter, *option);
        return;
    case PE_FrameFocusRect: {
        if (framesItsOwnFocus(widget)) {
            return;
        }
        // Around the caption, one pixel clear of it, inside the control.
        const QRect area = widget != nullptr ? widget->rect() : option->rect;
        const int width = theme::kFocusFrameWidth;
        const QRect ring =
            option->rect.adjusted(-1 - width, -1 - width, 1 + width, 1 + width).intersected(area);
        const QColor face = widget != nullptr ? widget->palette().color(widget->backgroundRole())
                                              : option->palette.color(QPalette::Window);
        drawFrame(*painter, ring, width, theme::focusColour(face, surroundings(*option, widget)));
        return;
    }
    default:
        break;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

void ProgramStyle::drawControl(ControlElement element, const QStyleOption* option,
                               QPainter* painter, const QWidget* widget) const
{
    if (element == CE_ComboBoxLabel) {
        if (const auto* list = qstyleoption_cast<const QStyleOptionComboBox*>(option)) {
            // The entry a list shows in the text colour, as boxes show theirs; only the arrow
            // takes the button-text colour.
            QStyleOptionComboBox entry(*list);
            for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
                entry.palette.setColor(group, QPalette::ButtonText,
                                       entry.palette.color(group, QPalette::Text));
            }
            QProxyStyle::drawControl(element, &entry, painter, widget);
            return;
        }
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}

void ProgramStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                      QPainter* painter, const QWidget* widget) const
{
    if (control == CC_ComboBox) {
        if (const auto* list = qstyleoption_cast<const QStyleOptionComboBox*>(option)) {
            QColor face = list->palette.color(QPalette::Button);
            painter->fillRect(list->rect, face);
            drawBorder(*painter, *list, widget, face);
            drawDownArrow(*painter, subControlRect(CC_ComboBox, list, SC_ComboBoxArrow, widget),
                          list->palette.color(QPalette::ButtonText));
            return;
        }
    }
    QProxyStyle::drawComplexControl(control, option, painter, widget);
}

QRect ProgramStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                                   SubControl part, const QWidget* widget) const
{
    QRect rect = QProxyStyle::subControlRect(control, option, part, widget);
    if (control == CC_GroupBox && part == SC_GroupBoxFrame) {
        const auto* frame = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
        if (frame != nullptr && !frame->text.isEmpty()) {
            // The top line through the middle of the caption, as classic frames have it, so
            // that it stays clear of controls placed just below the caption.
            const QRect caption =
                QProxyStyle::subControlRect(control, option, SC_GroupBoxLabel, widget);
            rect.setTop(caption.center().y());
        }
    }
    return rect;
}

int ProgramStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                              const QWidget* widget) const
{
    switch (metric) {
    case PM_DefaultFrameWidth:
    case PM_ComboBoxFrameWidth:
        // As wide as the focus frame, so that a scroll area's contents never cover half of it.
        return theme::kFocusFrameWidth;
    case PM_ButtonDefaultIndicator:
        return 0;
    default:
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
}

int ProgramStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                            QStyleHintReturn* returnData) const
{
    if (hint == SH_ComboBox_Popup) {
        // An open list in the list's own colours, not the menus'.
        return 0;
    }
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

} // namespace lumo::ui
