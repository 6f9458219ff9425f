#pragma once

#include <QFont>
#include <QRect>
#include <QString>
#include <QTextLayout>

class QPainter;

namespace lumo::ui {

// A plain caption wrapped at word boundaries within a rectangle and aligned to its left edge,
// laid out once and drawn from that layout as often as needed: the same lines, in the same
// places, as QPainter::drawText with Qt::TextWordWrap draws them, which lays the text out anew
// at every call.
class WrappedCaption final {
    Q_DISABLE_COPY_MOVE(WrappedCaption)

public:
    WrappedCaption() = default;

    // Lays `text` out in `font` within `area`, placed vertically as `vertical` says
    // (Qt::AlignTop, Qt::AlignVCenter or Qt::AlignBottom). Does nothing when none of them has
    // changed since the last call; returns whether it laid the text out.
    bool layOut(const QString& text, const QFont& font, const QRect& area, Qt::Alignment vertical);

    // Draws the lines that fit, with the painter's pen, clipped to the area when they reach out
    // of it.
    void draw(QPainter& painter) const;

    // The rectangle the whole caption takes, as QFontMetrics::boundingRect gives it.
    [[nodiscard]] QRect boundingRect() const { return m_bounds; }

private:
    QTextLayout m_layout;
    bool m_laidOut = false;
    QString m_text;
    QFont m_font;
    QRect m_area;
    Qt::Alignment m_vertical;
    int m_drawnLines = 0;
    QPointF m_origin;
    bool m_clipped = false;
    QRect m_bounds;
};

} // namespace lumo::ui
