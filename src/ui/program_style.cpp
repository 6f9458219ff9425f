#include "ui/program_style.h"

#include "ui/contrast.h"
#include "ui/theme.h"
#include "ui/visible_caret.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPlainTextEdit>
#include <QPolygon>
#include <QPushButton>
#include <QRegion>
#include <QStyleFactory>
#include <QStyleOption>
#include <QTextEdit>
#include <QWidget>
#include <optional>

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
// while it has the focus, the focus frame. Every pixel of the frame changes by 3:1 or more as
// the focus arrives: where the frame's colour would hardly differ from the border it covers
// (black over navy, the focus blue over grey), the border turns into a one-pixel halo and the
// frame lies just inside it.
void drawBorder(QPainter& painter, const QStyleOption& option, const QWidget* widget,
                const QColor& face)
{
    const QColor edge = option.palette.color(QPalette::Dark);
    if (!option.state.testFlag(QStyle::State_HasFocus)) {
        drawFrame(painter, option.rect, 1, edge);
        return;
    }
    const QColor around = surroundings(option, widget);
    const QColor ring = theme::focusColour(face, around);
    if (contrastRatio(ring, edge) >= kLeastPartContrast) {
        drawFrame(painter, option.rect, theme::kFocusFrameWidth, ring);
        return;
    }
    drawFrame(painter, option.rect, 1, theme::focusHaloColour(ring, edge, around));
    drawFrame(painter, option.rect.adjusted(1, 1, -1, -1), theme::kFocusFrameWidth, ring);
}

// A solid triangle pointing `direction`, centred in `area`.
void drawArrow(QPainter& painter, const QRect& area, Qt::ArrowType direction, const QColor& colour)
{
    const bool across = direction == Qt::LeftArrow || direction == Qt::RightArrow;
    const int room = across ? area.height() : area.width();
    const int base = std::max(5, std::min(room - 6, 9)) | 1;
    const int depth = (base + 1) / 2;
    const QPoint c = area.center();
    QPolygon triangle;
    switch (direction) {
    case Qt::UpArrow:
        triangle << QPoint(c.x() - base / 2, c.y() + depth / 2)
                 << QPoint(c.x() + base / 2 + 1, c.y() + depth / 2)
                 << QPoint(c.x(), c.y() + depth / 2 - depth);
        break;
    case Qt::LeftArrow:
        triangle << QPoint(c.x() + depth / 2, c.y() - base / 2)
                 << QPoint(c.x() + depth / 2, c.y() + base / 2 + 1)
                 << QPoint(c.x() + depth / 2 - depth, c.y());
        break;
    case Qt::RightArrow:
        triangle << QPoint(c.x() - depth / 2, c.y() - base / 2)
                 << QPoint(c.x() - depth / 2, c.y() + base / 2 + 1)
                 << QPoint(c.x() - depth / 2 + depth, c.y());
        break;
    default:
        triangle << QPoint(c.x() - base / 2, c.y() - depth / 2)
                 << QPoint(c.x() + base / 2 + 1, c.y() - depth / 2)
                 << QPoint(c.x(), c.y() - depth / 2 + depth);
        break;
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPolygon(triangle);
    painter.restore();
}

constexpr char kBoldCaption[] = "lumoBoldCaption";

// The font `frame`'s caption is drawn in, when it is not the frame's own.
std::optional<QFont> boldCaptionFont(const QWidget* frame)
{
    if (frame == nullptr || !frame->property(kBoldCaption).toBool()) {
        return std::nullopt;
    }
    QFont bold = frame->font();
    bold.setBold(true);
    return bold;
}

// A frame's line with a gap behind its caption. Fusion clears that gap on newer Qt versions
// only; drawn here, the caption reads the same on all of them.
void drawGroupBoxFrame(QPainter& painter, const QStyle& style, const QStyleOptionGroupBox& box,
                       const QWidget* widget)
{
    constexpr int kCaptionGap = 2;
    QStyleOptionFrame frame;
    frame.QStyleOption::operator=(box);
    frame.features = box.features;
    frame.lineWidth = box.lineWidth;
    frame.midLineWidth = box.midLineWidth;
    frame.rect = style.subControlRect(QStyle::CC_GroupBox, &box, QStyle::SC_GroupBoxFrame, widget);
    QRegion lineArea(box.rect);
    if (!box.text.isEmpty()) {
        QRect caption =
            style.subControlRect(QStyle::CC_GroupBox, &box, QStyle::SC_GroupBoxLabel, widget);
        if (box.subControls.testFlag(QStyle::SC_GroupBoxCheckBox)) {
            caption |= style.subControlRect(QStyle::CC_GroupBox, &box, QStyle::SC_GroupBoxCheckBox,
                                            widget);
        }
        lineArea -= caption.adjusted(-kCaptionGap, 0, kCaptionGap, 0);
    }
    painter.save();
    painter.setClipRegion(lineArea, Qt::IntersectClip);
    style.drawPrimitive(QStyle::PE_FrameGroupBox, &frame, &painter, widget);
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

// A scroll bar in two colours of its palette that stand out from each other (3:1 or more): the
// track and the arrow buttons in the window colour, the handle, the arrows and the line along
// the scrolled content in the border colour. Fusion's shades of one colour were 1.0 to 1.4:1.
void drawScrollBar(QPainter& painter, const QStyle& style, const QStyleOptionSlider& bar,
                   const QWidget* widget)
{
    const QColor track = bar.palette.color(QPalette::Window);
    const QColor mark = bar.palette.color(QPalette::Dark);
    const bool horizontal = bar.orientation == Qt::Horizontal;
    const auto part = [&](QStyle::SubControl control) {
        return style.subControlRect(QStyle::CC_ScrollBar, &bar, control, widget);
    };
    painter.fillRect(bar.rect, track);
    painter.fillRect(horizontal ? QRect(bar.rect.left(), bar.rect.top(), bar.rect.width(), 1)
                                : QRect(bar.rect.left(), bar.rect.top(), 1, bar.rect.height()),
                     mark);
    if (bar.subControls.testFlag(QStyle::SC_ScrollBarSlider)) {
        // Inset from the track's sides, so that the handle reads as a handle.
        const QRect handle = part(QStyle::SC_ScrollBarSlider);
        painter.fillRect(horizontal ? handle.adjusted(0, 3, 0, -2) : handle.adjusted(3, 0, -2, 0),
                         mark);
    }
    const std::pair<QStyle::SubControl, Qt::ArrowType> buttons[] = {
        {QStyle::SC_ScrollBarSubLine, horizontal ? Qt::LeftArrow : Qt::UpArrow},
        {QStyle::SC_ScrollBarAddLine, horizontal ? Qt::RightArrow : Qt::DownArrow}};
    for (const auto& [control, direction] : buttons) {
        if (!bar.subControls.testFlag(control)) {
            continue;
        }
        const QRect button = part(control);
        const bool pressed =
            bar.activeSubControls.testFlag(control) && bar.state.testFlag(QStyle::State_Sunken);
        if (pressed) {
            painter.fillRect(button, mark);
        }
        drawArrow(painter, button, direction, pressed ? track : mark);
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

void drawCaptionInBold(QGroupBox& frame)
{
    // Rather than a bold font for the frame, which its controls would take too and would have
    // to be given the regular one back: a date list whose font changes makes its drop-down view
    // at once instead of when it first opens.
    frame.setProperty(kBoldCaption, true);
}

ProgramStyle::ProgramStyle()
    : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion")))
    , m_caret(new VisibleCaret(this))
{
}

namespace {
// The widget a text box paints its text and caret on.
QWidget* caretSurface(QWidget* widget)
{
    if (qobject_cast<QLineEdit*>(widget) != nullptr) {
        return widget;
    }
    if (auto* plain = qobject_cast<QPlainTextEdit*>(widget)) {
        return plain->viewport();
    }
    if (auto* rich = qobject_cast<QTextEdit*>(widget)) {
        return rich->viewport();
    }
    return nullptr;
}
} // namespace

void ProgramStyle::polish(QWidget* widget)
{
    QProxyStyle::polish(widget);
    if (QWidget* surface = caretSurface(widget)) {
        m_caret->watch(*surface);
    }
}

void ProgramStyle::unpolish(QWidget* widget)
{
    if (QWidget* surface = caretSurface(widget)) {
        m_caret->forget(*surface);
    }
    QProxyStyle::unpolish(widget);
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
    if (control == CC_ScrollBar) {
        if (const auto* bar = qstyleoption_cast<const QStyleOptionSlider*>(option)) {
            drawScrollBar(*painter, *this, *bar, widget);
            return;
        }
    }
    if (control == CC_GroupBox) {
        if (const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option)) {
            if (box->subControls.testFlag(SC_GroupBoxFrame)) {
                drawGroupBoxFrame(*painter, *this, *box, widget);
            }
            QStyleOptionGroupBox rest(*box);
            rest.subControls &= ~SC_GroupBoxFrame;
            painter->save();
            if (const auto bold = boldCaptionFont(widget)) {
                painter->setFont(*bold);
                rest.fontMetrics = QFontMetrics(*bold, widget);
            }
            QProxyStyle::drawComplexControl(control, &rest, painter, widget);
            painter->restore();
            return;
        }
    }
    if (control == CC_ComboBox) {
        if (const auto* list = qstyleoption_cast<const QStyleOptionComboBox*>(option)) {
            QColor face = list->palette.color(QPalette::Button);
            painter->fillRect(list->rect, face);
            drawBorder(*painter, *list, widget, face);
            drawArrow(*painter, subControlRect(CC_ComboBox, list, SC_ComboBoxArrow, widget),
                      Qt::DownArrow, list->palette.color(QPalette::ButtonText));
            return;
        }
    }
    QProxyStyle::drawComplexControl(control, option, painter, widget);
}

QRect ProgramStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                                   SubControl part, const QWidget* widget) const
{
    // The caption's place, the frame's line and the room inside follow the caption's own font.
    QStyleOptionGroupBox boldCaption;
    if (control == CC_GroupBox) {
        const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
        if (const auto bold = boldCaptionFont(widget); box != nullptr && bold) {
            boldCaption = *box;
            boldCaption.fontMetrics = QFontMetrics(*bold, widget);
            option = &boldCaption;
        }
    }
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
        // As wide as the focus frame and its halo for a scroll area, whose contents would cover
        // what lies further in; a line edit's text keeps the room it had.
        if (widget != nullptr && widget->inherits("QAbstractScrollArea")) {
            return theme::kFocusFrameWidth + 1;
        }
        return theme::kFocusFrameWidth;
    case PM_ComboBoxFrameWidth:
        return theme::kFocusFrameWidth;
    case PM_TextCursorWidth:
        // Qt's caret gives way to the one VisibleCaret draws.
        return 0;
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
