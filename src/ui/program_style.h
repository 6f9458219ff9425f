#pragma once

#include <QProxyStyle>

class QGroupBox;
class QPainter;

namespace lumo::ui {
class VisibleCaret;
}

namespace lumo::ui {

// Has `frame`'s caption drawn in the bold of the frame's font, and only the caption: the frame's
// own font, which the controls inside it take, stays as it is. Called before the caption is set,
// which places it.
void drawCaptionInBold(QGroupBox& frame);

// Fills a frame `width` pixels wide just inside `rect`.
void drawFrame(QPainter& painter, const QRect& rect, int width, const QColor& colour);

// Qt's Fusion style, with the parts that the palettes alone cannot decide drawn here in one
// place: flat buttons, boxes and lists in their palette's colours with a border that stands out
// from the blue, a focus frame two pixels wide that stands out from the control and from what it
// lies on, the lists' arrows in the button-text colour, open lists in the list's own colours, and
// frame lines that run through the middle of their caption, with a gap behind it, instead of
// through the controls, bold captions for the frames that ask for them, scroll bars whose handle
// and arrows stand out from their track, and a caret two pixels wide (ui/visible_caret.h).
class ProgramStyle final : public QProxyStyle {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ProgramStyle)

public:
    ProgramStyle();

    void polish(QWidget* widget) override;
    void unpolish(QWidget* widget) override;
    using QProxyStyle::polish;
    using QProxyStyle::unpolish;

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget) const override;
    [[nodiscard]] QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                                       SubControl part, const QWidget* widget) const override;
    [[nodiscard]] int pixelMetric(PixelMetric metric, const QStyleOption* option,
                                  const QWidget* widget) const override;
    [[nodiscard]] int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                                QStyleHintReturn* returnData) const override;

private:
    VisibleCaret* m_caret; // owned as a child
};

} // namespace lumo::ui
