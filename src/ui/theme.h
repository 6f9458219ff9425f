#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>

class QWidget;

namespace lumo::platform {
class ContrastPreference;
}

namespace lumo::ui::theme {

// The program draws with one style on every platform (Fusion, with the few parts it draws itself
// in ui/program_style.h) and one palette per look: the blue windows, the white exit screen, and
// the classic light face of menus and message boxes. Nothing is left to the desktop's style or
// palette, so the windows look the same everywhere and under every desktop theme.

inline constexpr QColor kWindowBlue{124, 165, 231};
inline constexpr QColor kText{255, 255, 255};
inline constexpr QColor kBrandText{0, 0, 255};
inline constexpr QColor kNavy{0, 0, 128};
inline constexpr QColor kYellow{255, 255, 0};
inline constexpr QColor kCheckBlue{0, 0, 192};
// The classic face of buttons, menus, message boxes and the opaque offer labels.
inline constexpr QColor kButtonFace{240, 240, 240};
inline constexpr QColor kBlack{0, 0, 0};
inline constexpr QColor kPaper{255, 255, 255};
// Text that cannot be used, on the blue and on white.
inline constexpr QColor kDisabledOnBlue{214, 226, 246};
inline constexpr QColor kDisabledOnPaper{120, 120, 120};
// With high contrast: text that cannot be used, on the light faces (7 to 1 on white).
inline constexpr QColor kHighContrastDisabled{80, 80, 80};
// The border of buttons, lists and boxes: navy on the blue (6.4 to 1); grey on white, on the
// button face and on the navy frames (3.9, 3.5 and 4.1 to 1).
inline constexpr QColor kEdgeOnBlue = kNavy;
inline constexpr QColor kEdgeOnPaper{128, 128, 128};
// A focus frame for where neither black nor white stands out enough: white boxes and light
// buttons inside the navy frames (3.6 to 1 against navy, 4.5 to 1 against white).
inline constexpr QColor kFocusBlue{0, 120, 215};
// The focus frame's width in logical pixels.
inline constexpr int kFocusFrameWidth = 2;

inline constexpr double kBodyPointSize = 8.25;

// Verdana where it is installed; otherwise the installed family nearest to it (ui/font_families.h).
[[nodiscard]] QFont verdana(double pointSize, bool bold = false, bool underline = false);
// The classic dialog face of small captions; stood in for the same way.
[[nodiscard]] QFont msSansSerif(double pointSize);

// White text on the blue; buttons in the blue with black captions. The main, result and About
// windows.
[[nodiscard]] QPalette windowPalette();
// Black on white with classic button faces: the exit screen.
[[nodiscard]] QPalette paperPalette();
// Black on the classic light face, the highlighted item white on navy: menus, the menu bar and
// message boxes.
[[nodiscard]] QPalette classicPalette();

// The colour of the focus frame of a control whose face is `face`, lying on `around`: of black,
// white and the focus blue, the one that stands out most from both.
[[nodiscard]] QColor focusColour(const QColor& face, const QColor& around);
// The colour that takes a control's border's place around a focus frame in `ring` that hardly
// differs from the border (`edge`): of black and white, the one that stands out most from the
// frame, the border it replaces and what the control lies on (`around`).
[[nodiscard]] QColor focusHaloColour(const QColor& ring, const QColor& edge, const QColor& around);

// The design's colours, or high-contrast ones for a user who asked the desktop for them: black
// text on the blue (8.4 to 1 instead of white's 2.5), and darker greys for text that cannot be
// used. The layout stays the same.
enum class Contrast { Designed, High };

// Sets the program's style, the classic palette and the body font for the whole application (the
// desktop's font stays every widget's that is given none), and the contrast of every palette
// below. Called once, after the application object is created and before any window exists.
void install(Contrast contrast = Contrast::Designed);
// As above, with high contrast when `preference` says the desktop asks for it.
void install(platform::ContrastPreference& preference);
// The contrast the palettes are made for.
[[nodiscard]] Contrast contrast();

// Gives `window` the blue look and the body font; a main window's menu bar keeps the classic look.
void applyWindowLook(QWidget& window);
// Gives `window` the white look of the exit screen.
void applyPaperLook(QWidget& window);

} // namespace lumo::ui::theme
