#include "ui/look.h"

#include "common/qt_text.h"
#include "ui/app_icon.h"

#include <QAbstractButton>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QLabel>
#include <QPalette>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace lumo::ui::look {

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
    QFont font = withFallback(QStringLiteral("Verdana"), pointSize);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

QFont msSansSerif(double pointSize)
{
    return withFallback(QStringLiteral("MS Sans Serif"), pointSize);
}

namespace {
struct Colours {
    QColor background; // windows, boxes, lists and buttons
    QColor text;
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
        palette.setColor(group, QPalette::Window, c.background);
        palette.setColor(group, QPalette::Base, c.background);
        palette.setColor(group, QPalette::AlternateBase, c.background);
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
        palette.setColor(group, QPalette::Dark, c.edge.darker(130));
        palette.setColor(group, QPalette::Shadow, kBlack);
    }
    return palette;
}

// Buttons, lists and boxes drawn in the window's own colours, whatever the style; the one with
// the keyboard focus in a frame twice as wide, in `ring`. Style sheets, unlike palettes, hold
// under every desktop style.
QString controlStyle(const Colours& c, const QColor& ring)
{
    const auto rgb = [](const QColor& colour) { return colour.name(QColor::HexRgb); };
    return QStringLiteral(
               "QPushButton, QComboBox, QLineEdit, QPlainTextEdit {"
               " background-color: %1; color: %2; border: 1px solid %3; }"
               "QPushButton { background-color: %4; color: %5; padding: 1px 6px; }"
               "QPushButton:pressed { background-color: %6; }"
               "QPushButton:focus, QComboBox:focus, QLineEdit:focus, QPlainTextEdit:focus"
               " { border: 2px solid %7; }"
               "QPushButton:disabled, QComboBox:disabled, QLineEdit:disabled,"
               " QPlainTextEdit:disabled { color: %8; }"
               "QComboBox { padding: 0px 2px; }"
               "QComboBox QAbstractItemView { background-color: %1; color: %2;"
               " border: 1px solid %9; selection-background-color: %9; selection-color: %10; }")
        .arg(rgb(c.background), rgb(c.text), rgb(c.edge), rgb(c.button), rgb(c.buttonText),
             rgb(c.button.darker(115)), rgb(ring), rgb(c.disabledText), rgb(kNavy), rgb(kPaper));
}

// Gives the window's buttons, lists and boxes their style sheet when the window is first
// polished, once they all exist. Each control gets its own, with a focus frame that stands out
// from what the control lies on, and so that labels and frames keep taking their colours from
// the window's palette, which a sheet on the window would cut off.
class StyleControlsOnPolish final : public QObject {
public:
    StyleControlsOnPolish(const Colours& colours, QWidget& window)
        : QObject(&window)
        , m_colours(colours)
    {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Polish) {
            for (QWidget* control : watched->findChildren<QWidget*>()) {
                const bool styled =
                    control->inherits("QPushButton") || control->inherits("QComboBox") ||
                    control->inherits("QLineEdit") || control->inherits("QPlainTextEdit");
                if (!styled || !control->styleSheet().isEmpty()) {
                    continue;
                }
                const QWidget* around = control->parentWidget();
                control->setStyleSheet(controlStyle(
                    m_colours, focusRingOn(around->palette().color(around->backgroundRole()))));
            }
            watched->removeEventFilter(this);
            deleteLater();
        }
        return false;
    }

private:
    Colours m_colours;
};

void applyLook(QWidget& window, const Colours& colours)
{
    window.setPalette(completePalette(colours));
    window.setAutoFillBackground(true);
    new StyleControlsOnPolish(colours, window);
}
} // namespace

double contrastRatio(const QColor& a, const QColor& b)
{
    const auto luminance = [](const QColor& c) {
        const auto channel = [](double v) {
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) +
               0.0722 * channel(c.blueF());
    };
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor focusRingOn(const QColor& background)
{
    QColor best = kNavy;
    for (const QColor& candidate : {kBlack, kPaper}) {
        if (contrastRatio(candidate, background) > contrastRatio(best, background) * 1.5) {
            best = candidate;
        }
    }
    return best;
}

void applyWindowLook(QWidget& window)
{
    // The font first: a style sheet set afterwards keeps it for every control.
    window.setFont(verdana(kBodyPointSize));
    applyLook(window, {.background = kWindowBlue,
                       .text = kText,
                       .disabledText = kDisabledOnBlue,
                       .button = kWindowBlue,
                       .buttonText = kText,
                       .edge = kEdgeOnBlue});
}

void applyPaperLook(QWidget& window)
{
    applyLook(window, {.background = kPaper,
                       .text = kBlack,
                       .disabledText = kDisabledOnPaper,
                       .button = kButtonFace,
                       .buttonText = kBlack,
                       .edge = kDisabledOnPaper});
}

namespace {
// Centres its window on the screen at the first show, once the window knows its screen and size.
class CentreOnFirstShow final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show) {
            auto& window = static_cast<QWidget&>(*watched);
            if (const QScreen* screen = window.screen()) {
                QRect frame = window.frameGeometry();
                frame.moveCenter(screen->availableGeometry().center());
                window.move(frame.topLeft());
            }
            watched->removeEventFilter(this);
            deleteLater();
        }
        return false;
    }
};
} // namespace

void makeFixedWindow(QWidget& window)
{
    window.setWindowTitle(windowCaption());
    window.installEventFilter(new CentreOnFirstShow(&window));
    window.setWindowIcon(applicationIcon());
    window.setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
}

void shrinkToFit(QLabel& label)
{
    constexpr double kSmallestPointSize = 6.0;
    constexpr double kStep = 0.25;
    QFont font = label.font();
    while (font.pointSizeF() > kSmallestPointSize &&
           QFontMetricsF(font).horizontalAdvance(label.text()) > label.width()) {
        font.setPointSizeF(font.pointSizeF() - kStep);
    }
    label.setFont(font);
}

void nameAfterCaption(QAbstractButton& button)
{
    QString caption = button.text();
    // "&&" stands for a literal ampersand; a lone "&" marks the access key.
    caption.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    caption.remove(QLatin1Char('&'));
    caption.replace(QStringLiteral("\x01"), QStringLiteral("&"));
    button.setAccessibleName(caption);
}

void setTabChain(const QList<QWidget*>& widgets)
{
    QWidget* previous = nullptr;
    for (QWidget* widget : widgets) {
        if (previous) {
            QWidget::setTabOrder(previous, widget);
        }
        previous = widget;
    }
}

} // namespace lumo::ui::look
