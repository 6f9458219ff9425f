#pragma once

#include <QColor>
#include <QFont>
#include <QList>
#include <QRect>

class QAbstractButton;
class QLabel;
class QWidget;

namespace lumo::ui::look {

// Layouts are given in twips; at 96 dpi a logical pixel is 15 twips, and Qt scales logical pixels
// on high-dpi screens.
inline constexpr int kTwipsPerPixel = 15;
[[nodiscard]] constexpr int px(int twips) noexcept
{
    return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}
[[nodiscard]] constexpr QRect twipsRect(int left, int top, int width, int height) noexcept
{
    return {px(left), px(top), px(width), px(height)};
}

inline constexpr QColor kWindowBlue{124, 165, 231};
inline constexpr QColor kText{255, 255, 255};
inline constexpr QColor kBrandText{0, 0, 255};
inline constexpr QColor kNavy{0, 0, 128};
inline constexpr QColor kYellow{255, 255, 0};
inline constexpr QColor kCheckBlue{0, 0, 192};
// The classic face of buttons and of the opaque offer labels, fixed so that no desktop theme
// can darken what sits on it.
inline constexpr QColor kButtonFace{240, 240, 240};
inline constexpr QColor kBlack{0, 0, 0};
inline constexpr QColor kPaper{255, 255, 255};
// Text that cannot be used, on the blue and on white.
inline constexpr QColor kDisabledOnBlue{214, 226, 246};
inline constexpr QColor kDisabledOnPaper{120, 120, 120};
// The frame of buttons, lists and boxes on the blue, and the wider frame of the one with the
// keyboard focus: navy stands out from the blue 6.4 to 1, from white 16 to 1.
inline constexpr QColor kEdgeOnBlue{64, 96, 168};
inline constexpr QColor kFocusRing = kNavy;

inline constexpr double kBodyPointSize = 8.25;

// Verdana where it is installed; otherwise fontconfig or Windows picks the nearest sans-serif.
[[nodiscard]] QFont verdana(double pointSize, bool bold = false, bool underline = false);
// The classic dialog face of small captions; falls back the same way.
[[nodiscard]] QFont msSansSerif(double pointSize);

// The frame of a focused control or link on `background`: navy, the program's own colour, unless
// black or white stands out from it half as much again (white on the navy frames).
[[nodiscard]] QColor focusRingOn(const QColor& background);
// The contrast ratio of two colours, 1 to 21, as accessibility guidelines measure it.
[[nodiscard]] double contrastRatio(const QColor& a, const QColor& b);

// Blue background with white text for the window and everything in it: its lists, boxes and
// buttons included, every colour of every state set, so that no desktop theme changes it. The
// control with the focus wears a navy frame.
void applyWindowLook(QWidget& window);
// Black on white with classic button faces, every colour set as above: the exit screen's look.
void applyPaperLook(QWidget& window);
// A fixed-size window with the program's caption and icon and no minimise or maximise box,
// centred on the screen when it is first shown.
void makeFixedWindow(QWidget& window);
// Shrinks a one-line label's font until its caption fits its width: a substitute for a missing
// font may run wider than the font the layout was made for.
void shrinkToFit(QLabel& label);
// Names a button for screen readers after its caption, without the access-key marker.
void nameAfterCaption(QAbstractButton& button);
// Chains the Tab order through `widgets`, first to last.
void setTabChain(const QList<QWidget*>& widgets);

} // namespace lumo::ui::look
