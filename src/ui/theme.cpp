#include "ui/theme.h"

#include "platform/contrast_preference.h"
#include "ui/contrast.h"
#include "ui/font_families.h"
#include "ui/program_style.h"

#include <QApplication>
#include <QFontDatabase>
#include <QMainWindow>
#include <QMenuBar>
#include <QWidget>
#include <algorithm>
#include <utility>
#include <vector>

namespace lumo::ui::theme {

namespace {
QFont withFallback(const QString& family, double pointSize)
{
    QFont font(family);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    // Set explicitly, so that a label inside a bold frame does not inherit the bold caption.
    font.setBold(false);
    font.setUnderline(false);
    return font;
}
} // namespace

QFont verdana(double pointSize, bool bold, bool underline)
{
    QFont font = withFallback(fonts::resolvedFamily(fonts::Family::Verdana), pointSize);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

QFont msSansSerif(double pointSize)
{
    return withFallback(fonts::resolvedFamily(fonts::Family::MsSansSerif), pointSize);
}

namespace {
struct Colours {
    QColor window;
    QColor text;
    QColor base; // boxes and lists
    QColor disabledText;
    QColor button;
    QColor buttonText;
    QColor edge;
};

// Every role in every colour group, so that nothing is left to the desktop's palette.
QPalette completePalette(const Colours& c)
{
    QPalette palette;
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        const bool disabled = group == QPalette::Disabled;
        const QColor text = disabled ? c.disabledText : c.text;
        palette.setColor(group, QPalette::Window, c.window);
        palette.setColor(group, QPalette::Base, c.base);
        palette.setColor(group, QPalette::AlternateBase, c.base);
        palette.setColor(group, QPalette::ToolTipBase, kPaper);
        palette.setColor(group, QPalette::ToolTipText, kBlack);
        palette.setColor(group, QPalette::WindowText, text);
        palette.setColor(group, QPalette::Text, text);
        palette.setColor(group, QPalette::PlaceholderText, c.disabledText);
        palette.setColor(group, QPalette::Button, c.button);
        palette.setColor(group, QPalette::ButtonText, disabled ? c.disabledText : c.buttonText);
        palette.setColor(group, QPalette::BrightText, kPaper);
        palette.setColor(group, QPalette::Highlight, kNavy);
        palette.setColor(group, QPalette::HighlightedText, kPaper);
        palette.setColor(group, QPalette::Link, kBrandText);
        palette.setColor(group, QPalette::LinkVisited, kBrandText);
        palette.setColor(group, QPalette::Light, c.button.lighter(150));
        palette.setColor(group, QPalette::Midlight, c.button.lighter(125));
        palette.setColor(group, QPalette::Mid, c.edge);
        // The style draws the borders of buttons, lists and boxes in this colour.
        palette.setColor(group, QPalette::Dark, c.edge);
        palette.setColor(group, QPalette::Shadow, kBlack);
    }
    return palette;
}

// Set once by install(), before any window exists.
Contrast g_contrast = Contrast::Designed;

bool highContrast()
{
    return g_contrast == Contrast::High;
}
} // namespace

QPalette windowPalette()
{
    return completePalette({.window = kWindowBlue,
                            .text = highContrast() ? kBlack : kText,
                            .base = kWindowBlue,
                            .disabledText = highContrast() ? kNavy : kDisabledOnBlue,
                            .button = kWindowBlue,
                            .buttonText = kBlack,
                            .edge = kEdgeOnBlue});
}

QPalette paperPalette()
{
    return completePalette(
        {.window = kPaper,
         .text = kBlack,
         .base = kPaper,
         .disabledText = highContrast() ? kHighContrastDisabled : kDisabledOnPaper,
         .button = kButtonFace,
         .buttonText = kBlack,
         .edge = kEdgeOnPaper});
}

QPalette classicPalette()
{
    return completePalette(
        {.window = kButtonFace,
         .text = kBlack,
         .base = kPaper,
         .disabledText = highContrast() ? kHighContrastDisabled : kDisabledOnPaper,
         .button = kButtonFace,
         .buttonText = kBlack,
         .edge = kEdgeOnPaper});
}

QColor focusColour(const QColor& face, const QColor& around)
{
    const auto leastContrast = [&](const QColor& candidate) {
        return std::min(contrastRatio(candidate, face), contrastRatio(candidate, around));
    };
    QColor best = kBlack;
    for (const QColor& candidate : {kFocusBlue, kPaper}) {
        if (leastContrast(candidate) > leastContrast(best)) {
            best = candidate;
        }
    }
    return best;
}

QColor focusHaloColour(const QColor& ring, const QColor& edge, const QColor& around)
{
    const auto leastContrast = [&](const QColor& candidate) {
        return std::min({contrastRatio(candidate, ring), contrastRatio(candidate, edge),
                         contrastRatio(candidate, around)});
    };
    return leastContrast(kPaper) >= leastContrast(kBlack) ? kPaper : kBlack;
}

namespace {
// The classes whose fonts Qt looks up by name, and which a desktop's theme may give fonts of
// their own: menus, message boxes, tool tips, title bars, item views and the like.
constexpr const char* kClassesWithOwnFonts[] = {
    "QMenu",       "QMenuBar",    "QMenuItem",    "QMessageBox",           "QLabel",
    "QTipLabel",   "QTitleBar",   "QStatusBar",   "QMdiSubWindowTitleBar", "QDockWidgetTitle",
    "QPushButton", "QCheckBox",   "QRadioButton", "QToolButton",           "QAbstractItemView",
    "QListView",   "QHeaderView", "QListBox",     "QComboMenuItem",        "QComboLineEdit",
    "QSmallFont",  "QMiniFont"};

// Makes the body font the application's. Qt lays out some text in the application's font before
// a control takes its window's (a new line edit's, for one), and with the desktop's font there a
// start would load a whole font engine for nothing. What the layouts give no font of their own
// keeps the desktop's: the classes Qt looks up by name, and every other widget.
void installBodyFont()
{
    const QFont desktop = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    std::vector<std::pair<const char*, QFont>> classFonts;
    for (const char* name : kClassesWithOwnFonts) {
        classFonts.emplace_back(name, QApplication::font(name));
    }
    QApplication::setFont(verdana(kBodyPointSize)); // forgets every class's font
    QApplication::setFont(desktop, "QWidget");
    for (const auto& [name, font] : classFonts) {
        QApplication::setFont(font, name);
    }
}
} // namespace

void install(Contrast contrast)
{
    g_contrast = contrast;
    // The style before the palette: setting a style may polish the application's palette.
    QApplication::setStyle(new ProgramStyle);
    QApplication::setPalette(classicPalette());
    installBodyFont();
}

void install(platform::ContrastPreference& preference)
{
    install(preference.highContrast() ? Contrast::High : Contrast::Designed);
}

Contrast contrast()
{
    return g_contrast;
}

void applyWindowLook(QWidget& window)
{
    window.setFont(verdana(kBodyPointSize));
    window.setPalette(windowPalette());
    window.setAutoFillBackground(true);
    if (auto* mainWindow = qobject_cast<QMainWindow*>(&window)) {
        // Palettes pass from a window to its children; the menu bar keeps the classic one.
        mainWindow->menuBar()->setPalette(classicPalette());
    }
}

void applyPaperLook(QWidget& window)
{
    window.setPalette(paperPalette());
    window.setAutoFillBackground(true);
}

} // namespace lumo::ui::theme
