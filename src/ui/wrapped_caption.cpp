#include "ui/wrapped_caption.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTextLine>
#include <QTextOption>
#include <algorithm>
#include <cmath>

namespace lumo::ui {

namespace {
// Line breaks and tabs as drawText treats them in a wrapped caption.
QString asDrawn(QString text)
{
    for (QChar& c : text) {
        if (c == u'\r' || c == u'\t') {
            c = u' ';
        } else if (c == u'\n') {
            c = QChar::LineSeparator;
        }
    }
    return text;
}

// The offset from the area's top edge of a block of `height` placed as `vertical` says.
qreal verticalOffset(Qt::Alignment vertical, qreal areaHeight, qreal height)
{
    if (vertical & Qt::AlignBottom) {
        return areaHeight - height;
    }
    if (vertical & Qt::AlignVCenter) {
        return (areaHeight - height) / 2;
    }
    return 0;
}
} // namespace

bool WrappedCaption::layOut(const QString& text, const QFont& font, const QRect& area,
                            Qt::Alignment vertical)
{
    vertical &= Qt::AlignVertical_Mask;
    if (m_laidOut && text == m_text && font == m_font && area == m_area && vertical == m_vertical) {
        return false;
    }
    m_laidOut = true;
    m_text = text;
    m_font = font;
    m_area = area;
    m_vertical = vertical;

    m_layout.setText(asDrawn(text));
    m_layout.setFont(font);
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    option.setTextDirection(Qt::LeftToRight);
    m_layout.setTextOption(option);
    m_layout.setCacheEnabled(true);

    // Line by line as drawText places them: each a leading below the last, on a whole pixel.
    // drawText stops at the first line that reaches the area's bottom; the bounding rectangle
    // counts every line.
    const qreal leading = QFontMetricsF(font).leading();
    qreal height = -leading;
    qreal width = 0;
    qreal drawnHeight = 0;
    qreal drawnWidth = 0;
    m_drawnLines = 0;
    bool full = false;
    m_layout.beginLayout();
    for (QTextLine line = m_layout.createLine(); line.isValid(); line = m_layout.createLine()) {
        line.setLineWidth(std::max(0, area.width()));
        height = std::ceil(height + leading);
        line.setPosition(QPointF(0, height));
        height += line.ascent() + line.descent();
        width = std::max(width, line.naturalTextWidth());
        if (!full) {
            ++m_drawnLines;
            drawnHeight = height;
            drawnWidth = width;
            full = height >= area.height();
        }
    }
    m_layout.endLayout();
    if (text.isEmpty()) {
        height = QFontMetricsF(font).height();
    }

    m_origin = QPointF(area.x(), area.y() + verticalOffset(vertical, area.height(), drawnHeight));
    m_clipped = !QRectF(area).contains(QRectF(m_origin, QSizeF(drawnWidth, drawnHeight)));
    m_bounds =
        QRectF(area.x(), area.y() + verticalOffset(vertical, area.height(), height), width, height)
            .toAlignedRect();
    return true;
}

void WrappedCaption::draw(QPainter& painter) const
{
    if (m_text.isEmpty()) {
        return;
    }
    if (m_clipped) {
        painter.save();
        painter.setClipRect(m_area, Qt::IntersectClip);
    }
    for (int i = 0; i < m_drawnLines; ++i) {
        m_layout.lineAt(i).draw(&painter, m_origin);
    }
    if (m_clipped) {
        painter.restore();
    }
}

} // namespace lumo::ui
