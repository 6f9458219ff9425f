#pragma once

#include <QList>
#include <QRect>

class QAbstractButton;
class QLabel;
class QPushButton;
class QWidget;

namespace lumo::ui::chrome {

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

// The room a window manager's title bar and borders take, at most, around a window.
inline constexpr int kDecorationWidth = 16;
inline constexpr int kDecorationHeight = 48;

// A window with the program's caption and icon and no minimise or maximise box, centred on the
// screen when it is first shown but never with its title bar or left edge off the screen.
void makeFixedWindow(QWidget& window);

// Fixes `window` at its size; where that is larger than the screen it would open on, the window
// is made as large as the screen allows and its contents scroll, so that its title bar, close
// box and every control stay within reach. Called once the window's controls exist.
void fixSize(QWidget& window);

// Shrinks a one-line label's font until its caption fits its width: a substitute for a missing
// font may run wider than the font the layout was made for.
void shrinkToFit(QLabel& label);

// Names a button for screen readers after its caption, without the access-key marker.
void nameAfterCaption(QAbstractButton& button);

// A push button that Return and keypad Enter press while it has the focus, as Space does, and
// that screen readers know by its caption.
void makeKeyboardButton(QPushButton& button);

// Chains the Tab order through `widgets`, first to last.
void setTabChain(const QList<QWidget*>& widgets);

} // namespace lumo::ui::chrome
