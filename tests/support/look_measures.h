#pragma once

// Measures of what a window draws, taken from its pixels: the colours of a control's face, text
// and border, and the focus frame of the control with the keyboard focus.

#include "ui/clickable_label.h"
#include "ui/contrast.h"

#include <QApplication>
#include <QColor>
#include <QHash>
#include <QImage>
#include <QRect>
#include <QTest>
#include <QWidget>
#include <algorithm>
#include <utility>

namespace lumo::testing {

// The least contrast a focus frame or a control's border must have against what it lies on:
// WCAG 2.1's 3:1 for the parts of a control.
inline constexpr double kWcagPartContrast = 3.0;

// The window's pixels at one logical pixel each.
inline QImage grabWindow(QWidget& window)
{
    QImage image = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
    return image.scaled(window.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

// The colour most of the pixels of `area` of `image` that `counts(x, y)` accepts have; invalid
// when it accepts none.
template <typename Accept>
QColor commonestWhere(const QImage& image, const QRect& area, Accept counts)
{
    QHash<QRgb, int> seen;
    const QRect inside = area.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            if (counts(x, y)) {
                ++seen[image.pixel(x, y)];
            }
        }
    }
    QColor best;
    int most = 0;
    for (auto it = seen.cbegin(); it != seen.cend(); ++it) {
        if (it.value() > most) {
            most = it.value();
            best = QColor(it.key());
        }
    }
    return best;
}

// The bounds of the pixels of `area` that `counts(x, y)` accepts.
template <typename Accept> QRect boundsWhere(const QRect& area, Accept counts)
{
    QRect bounds;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (counts(x, y)) {
                bounds |= QRect(x, y, 1, 1);
            }
        }
    }
    return bounds;
}

// The colour most of `area` of `image` has (black for an empty area).
inline QColor commonestColour(const QImage& image, const QRect& area)
{
    const QColor found = commonestWhere(image, area, [](int, int) { return true; });
    return found.isValid() ? found : QColor(Qt::black);
}

// The window of `control` drawn with the focus on `elsewhere`, then with the focus on `control`.
inline std::pair<QImage, QImage> grabWithoutAndWithFocus(QWidget& control, QWidget& elsewhere)
{
    QWidget& window = *control.window();
    elsewhere.setFocus(Qt::TabFocusReason);
    QTest::qWait(1);
    QImage without = grabWindow(window);
    control.setFocus(Qt::TabFocusReason);
    QTest::qWait(1);
    return {std::move(without), grabWindow(window)};
}

// The colour in `area` that stands out most from `background`: the text or mark drawn on it.
inline QColor strongestAgainst(const QImage& image, const QRect& area, const QColor& background)
{
    QColor best = background;
    double most = 1.0;
    const QRect inside = area.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            const QColor colour = image.pixelColor(x, y);
            const double ratio = ui::contrastRatio(colour, background);
            if (ratio > most) {
                most = ratio;
                best = colour;
            }
        }
    }
    return best;
}

// "a on b: r:1", for a failing check's message.
inline QString describeContrast(const QColor& a, const QColor& b)
{
    return QStringLiteral("%1 on %2: %3:1")
        .arg(a.name(), b.name())
        .arg(ui::contrastRatio(a, b), 0, 'f', 2);
}

// `widget`'s rectangle in its window's coordinates.
inline QRect rectInWindow(const QWidget& widget)
{
    return QRect(widget.mapTo(widget.window(), QPoint(0, 0)), widget.size());
}

// The focus frame of a control, found as the pixels that gaining the focus changed.
struct FocusFrame {
    QColor colour;
    QRect bounds;        // in the window
    int width = 0;       // the thinnest of its four sides, in pixels
    bool whole = false;  // all four sides present over their whole length
    QColor inside;       // just inside the frame
    QColor outside;      // just outside the frame
    int textCovered = 0; // pixels of the caption that the frame covers
    // The thinnest of its four sides counting only pixels that changed by 3:1 or more as the
    // focus came: what tells the focused control apart.
    int changedWidth = 0;
};

// Of the pixels of a side `bounds` along at its middle, from the edge inwards, how many in a row
// changed by 3:1 or more between `before` and `after`.
inline int changedDepth(const QImage& before, const QImage& after, const QRect& bounds,
                        bool vertical, bool fromStart)
{
    const int depth = (vertical ? bounds.width() : bounds.height()) / 2;
    const int along = vertical ? bounds.center().y() : bounds.center().x();
    int changed = 0;
    for (int d = 0; d < depth; ++d) {
        const int across = fromStart ? (vertical ? bounds.left() : bounds.top()) + d
                                     : (vertical ? bounds.right() : bounds.bottom()) - d;
        const QPoint at = vertical ? QPoint(across, along) : QPoint(along, across);
        if (ui::contrastRatio(before.pixelColor(at), after.pixelColor(at)) < kWcagPartContrast) {
            break;
        }
        ++changed;
    }
    return changed;
}

inline int sideWidth(const QImage& image, const QRect& bounds, const QColor& colour, bool vertical,
                     bool fromStart)
{
    const int length = vertical ? bounds.height() : bounds.width();
    const int depth = vertical ? bounds.width() : bounds.height();
    for (int d = 0; d < depth / 2; ++d) {
        int hits = 0;
        for (int i = 0; i < length; ++i) {
            const int along = (vertical ? bounds.top() : bounds.left()) + i;
            const int across = fromStart ? (vertical ? bounds.left() : bounds.top()) + d
                                         : (vertical ? bounds.right() : bounds.bottom()) - d;
            const QPoint at = vertical ? QPoint(across, along) : QPoint(along, across);
            hits += image.pixelColor(at) == colour ? 1 : 0;
        }
        if (hits < length * 9 / 10) {
            return d;
        }
    }
    return depth / 2;
}

// Compares the window drawn with `control` focused against the window drawn with the focus on
// `elsewhere`.
inline FocusFrame measureFocusFrame(QWidget& control, QWidget& elsewhere)
{
    const auto shots = grabWithoutAndWithFocus(control, elsewhere);
    const QImage& without = shots.first;
    const QImage& with = shots.second;
    FocusFrame frame;
    const QRect near = rectInWindow(control).adjusted(-4, -4, 4, 4).intersected(with.rect());
    // The frame's colour is the commonest among the changes near the control's edges: inside,
    // a box may change its text as it takes the focus.
    const QRect middle = rectInWindow(control).adjusted(5, 5, -5, -5);
    frame.colour = commonestWhere(with, near, [&](int x, int y) {
        return with.pixel(x, y) != without.pixel(x, y) && !middle.contains(x, y);
    });
    if (!frame.colour.isValid()) {
        return frame;
    }
    frame.bounds = boundsWhere(near, [&](int x, int y) {
        return with.pixelColor(x, y) == frame.colour && with.pixel(x, y) != without.pixel(x, y);
    });
    const QRect& b = frame.bounds;
    const int top = sideWidth(with, b, frame.colour, false, true);
    const int bottom = sideWidth(with, b, frame.colour, false, false);
    const int left = sideWidth(with, b, frame.colour, true, true);
    const int right = sideWidth(with, b, frame.colour, true, false);
    frame.width = std::min({top, bottom, left, right});
    frame.changedWidth = std::min(
        {changedDepth(without, with, b, false, true), changedDepth(without, with, b, false, false),
         changedDepth(without, with, b, true, true), changedDepth(without, with, b, true, false)});
    frame.whole = frame.width > 0;
    const int w = std::max(frame.width, 1);
    frame.inside = commonestColour(with, b.adjusted(w, w, -w, -w));
    // The ring one pixel outside the frame, within the window.
    const QImage ring = with.copy(b.adjusted(-1, -1, 1, 1));
    frame.outside = commonestWhere(ring, ring.rect(), [&ring](int x, int y) {
        return x == 0 || y == 0 || x == ring.width() - 1 || y == ring.height() - 1;
    });
    // Caption pixels under the frame's ring: before the focus they stood out from the face
    // inside and from what lies outside.
    const QColor face = commonestColour(without, b.adjusted(w, w, -w, -w));
    const QRect hole = b.adjusted(w, w, -w, -w);
    for (int y = b.top(); y <= b.bottom(); ++y) {
        for (int x = b.left(); x <= b.right(); ++x) {
            if (hole.contains(x, y)) {
                continue;
            }
            const QColor before = without.pixelColor(x, y);
            if (ui::contrastRatio(before, face) > 2.0 &&
                ui::contrastRatio(before, frame.outside) > 2.0 && before != frame.colour) {
                ++frame.textCovered;
            }
        }
    }
    return frame;
}

// What is wrong with a focus frame: empty when it is whole, two pixels wide or more, changed by
// 3:1 or more from what those pixels showed without the focus, 3:1 or more against what lies
// inside and outside it, and (for a link, `clearOfCaption`) off the caption.
inline QString focusFrameFault(const FocusFrame& frame, bool clearOfCaption)
{
    if (!frame.whole) {
        return QStringLiteral("a side of the frame is missing or cut");
    }
    if (frame.width < 2) {
        return QStringLiteral("the frame is %1 pixel wide").arg(frame.width);
    }
    if (frame.changedWidth < 2) {
        return QStringLiteral("only %1 pixel of the frame changed by 3:1").arg(frame.changedWidth);
    }
    for (const QColor& next : {frame.inside, frame.outside}) {
        if (ui::contrastRatio(frame.colour, next) < kWcagPartContrast) {
            return describeContrast(frame.colour, next);
        }
    }
    if (clearOfCaption && frame.textCovered > 0) {
        return QStringLiteral("the frame covers %1 pixels of the caption").arg(frame.textCovered);
    }
    return {};
}

// What is wrong with the focus frame `control` wears, measured against the focus on
// `elsewhere`: empty when the control takes the focus and its frame is `colour` and sound (see
// focusFrameFault; a link's frame must leave its caption clear).
inline QString focusFrameProblem(QWidget& control, QWidget& elsewhere, const QColor& colour)
{
    const FocusFrame frame = measureFocusFrame(control, elsewhere);
    if (!control.hasFocus()) {
        return QStringLiteral("the control does not take the focus");
    }
    if (frame.colour != colour) {
        return QStringLiteral("the frame is %1, not %2").arg(frame.colour.name(), colour.name());
    }
    return focusFrameFault(frame, qobject_cast<ui::ClickableLabel*>(&control) != nullptr);
}

// How a frame's line meets its caption, in the window's pixels.
struct CaptionCrossing {
    int captionColumns = 0; // how wide the caption's letters are
    int crossed = 0;        // pixels of the line's colour among them, in the line's row
};

// The frame's top line is the first pixel, from the top at the frame's right end, that is not
// the colour around it; the caption is where pixels of the caption's colour lie above the frame's
// first control.
inline CaptionCrossing measureCaptionCrossing(QWidget& frame, const QColor& captionColour)
{
    const QImage image = grabWindow(*frame.window());
    const QRect at = rectInWindow(frame);
    const int probe = at.right() - 3;
    const QColor around = image.pixelColor(probe, at.top());
    int lineRow = -1;
    const int band = frame.fontMetrics().height() + 2;
    for (int y = at.top(); y <= at.top() + band; ++y) {
        if (image.pixelColor(probe, y) != around) {
            lineRow = y;
            break;
        }
    }
    CaptionCrossing crossing;
    if (lineRow < 0) {
        return crossing;
    }
    const QColor line = image.pixelColor(probe, lineRow);
    int left = at.right();
    int right = at.left();
    for (int y = at.top(); y <= at.top() + band; ++y) {
        for (int x = at.left() + 1; x < probe; ++x) {
            if (ui::contrastRatio(image.pixelColor(x, y), captionColour) < 1.1) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
    }
    crossing.captionColumns = std::max(0, right - left + 1);
    for (int x = left; x <= right; ++x) {
        crossing.crossed += image.pixelColor(x, lineRow) == line ? 1 : 0;
    }
    return crossing;
}

// The two colours of a scroll bar, and of its first arrow and the button it lies on, from the
// window's pixels. The arrow buttons are the squares at either end; between them, the track
// shows along the bar's far edge, and the handle is the commonest other colour along its middle.
struct ScrollBarLook {
    QColor track;
    QColor handle;
    QColor button;
    QColor arrow;
};

inline ScrollBarLook measureScrollBar(QWidget& bar, Qt::Orientation orientation)
{
    const QImage image = grabWindow(*bar.window());
    const QRect at = rectInWindow(bar);
    const bool vertical = orientation == Qt::Vertical;
    const int thickness = vertical ? at.width() : at.height();
    const QRect firstButton(at.topLeft(), QSize(thickness, thickness));
    const QRect between = vertical ? at.adjusted(0, thickness, 0, -thickness)
                                   : at.adjusted(thickness, 0, -thickness, 0);
    const QRect edge = vertical ? QRect(between.right(), between.top(), 1, between.height())
                                : QRect(between.left(), between.bottom(), between.width(), 1);
    const QRect middle = vertical ? QRect(between.center().x(), between.top(), 1, between.height())
                                  : QRect(between.left(), between.center().y(), between.width(), 1);
    ScrollBarLook look;
    look.track = commonestColour(image, edge);
    look.handle = commonestWhere(
        image, middle, [&](int x, int y) { return image.pixelColor(x, y) != look.track; });
    look.button = commonestColour(image, firstButton);
    look.arrow = strongestAgainst(image, firstButton.adjusted(2, 2, -2, -2), look.button);
    return look;
}

// The caret of a box, found as the pixels inside the box (clear of its focus frame) that taking
// the focus turned from the box's face into another colour.
struct CaretLook {
    QColor colour;
    QColor face;
    QRect bounds; // in the window
};

inline CaretLook measureCaret(QWidget& box, QWidget& elsewhere)
{
    const auto shots = grabWithoutAndWithFocus(box, elsewhere);
    const QImage& without = shots.first;
    const QImage& with = shots.second;
    const QRect inside = rectInWindow(box).adjusted(4, 4, -4, -4);
    CaretLook caret;
    caret.face = commonestColour(with, inside);
    caret.colour = commonestWhere(with, inside, [&](int x, int y) {
        return with.pixel(x, y) != without.pixel(x, y) && with.pixelColor(x, y) != caret.face;
    });
    if (!caret.colour.isValid()) {
        return caret;
    }
    caret.bounds = boundsWhere(inside, [&](int x, int y) {
        return with.pixelColor(x, y) == caret.colour && with.pixel(x, y) != without.pixel(x, y);
    });
    return caret;
}

} // namespace lumo::testing
