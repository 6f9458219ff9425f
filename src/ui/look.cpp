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

void applyWindowLook(QWidget& window)
{
    QPalette palette = window.palette();
    for (const auto role :
         {QPalette::Window, QPalette::Base, QPalette::Button, QPalette::AlternateBase}) {
        palette.setColor(role, kWindowBlue);
    }
    for (const auto role : {QPalette::WindowText, QPalette::Text}) {
        palette.setColor(role, kText);
    }
    window.setPalette(palette);
    window.setAutoFillBackground(true);
    window.setFont(verdana(kBodyPointSize));
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

void setTabChain(std::initializer_list<QWidget*> widgets)
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
