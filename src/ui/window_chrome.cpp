#include "ui/window_chrome.h"

#include "common/qt_text.h"
#include "ui/accessible_roles.h"
#include "ui/app_icon.h"

#include <QAbstractButton>
#include <QEvent>
#include <QFontMetricsF>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QWidget>
#include <algorithm>

namespace lumo::ui::chrome {

namespace {
// Centres its window on the screen at the first show, once the window knows its screen and size;
// a window larger than the screen keeps its title bar and left edge on it.
class CentreOnFirstShow final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show) {
            auto& window = static_cast<QWidget&>(*watched);
            if (const QScreen* screen = window.screen()) {
                const QRect available = screen->availableGeometry();
                QRect frame = window.frameGeometry();
                frame.moveCenter(available.center());
                frame.moveTopLeft({std::max(frame.left(), available.left()),
                                   std::max(frame.top(), available.top())});
                window.move(frame.topLeft());
            }
            watched->removeEventFilter(this);
            deleteLater();
        }
        return false;
    }
};

// Moves `window`'s controls onto a page that scrolls inside the window.
QScrollArea* scrollContents(QWidget& window, const QSize& contentSize)
{
    auto* scroll = new QScrollArea(&window);
    scroll->setObjectName(window.objectName() + QStringLiteral("Scroll"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setFocusPolicy(Qt::NoFocus);
    scroll->setAutoFillBackground(false);
    scroll->viewport()->setAutoFillBackground(false);
    if (auto* mainWindow = qobject_cast<QMainWindow*>(&window)) {
        QWidget* client = mainWindow->takeCentralWidget();
        scroll->setWidget(client);
        mainWindow->setCentralWidget(scroll);
        return scroll;
    }
    auto* page = new QWidget;
    page->setObjectName(window.objectName() + QStringLiteral("Page"));
    page->setFixedSize(contentSize);
    // Placed inside the window before the controls move, so that their Tab order stays.
    scroll->setWidget(page);
    const QObjectList children = window.children(); // a copy: moving a control changes the list
    for (QObject* object : children) {
        auto* control = qobject_cast<QWidget*>(object);
        if (control == nullptr || control == scroll || control->isWindow()) {
            continue;
        }
        const bool hidden =
            control->isHidden() && control->testAttribute(Qt::WA_WState_ExplicitShowHide);
        const QRect at = control->geometry();
        control->setParent(page);
        control->setGeometry(at);
        control->setVisible(!hidden);
    }
    scroll->setGeometry(QRect(QPoint(0, 0), contentSize));
    return scroll;
}
} // namespace

void makeFixedWindow(QWidget& window)
{
    // First: Qt 6.8 makes the window's accessible face while the title is set, and keeps it.
    exposeAsWindow(window);
    window.setWindowTitle(windowCaption());
    window.installEventFilter(new CentreOnFirstShow(&window));
    window.setWindowIcon(applicationIcon());
    window.setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
}

void fixSize(QWidget& window)
{
    const QSize wanted = window.size();
    const QScreen* screen = window.screen();
    if (screen == nullptr) {
        window.setFixedSize(wanted);
        return;
    }
    const QSize room =
        screen->availableGeometry().size() - QSize(kDecorationWidth, kDecorationHeight);
    if (wanted.width() <= room.width() && wanted.height() <= room.height()) {
        window.setFixedSize(wanted);
        return;
    }
    // Moving a control clears the focus; the window's first focus stays where it was.
    QWidget* focus = window.focusWidget();
    QScrollArea* scroll = scrollContents(window, wanted);
    if (focus != nullptr) {
        focus->setFocus();
    }
    const int bar = scroll->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, scroll);
    int width = wanted.width();
    int height = wanted.height();
    if (width > room.width()) {
        width = room.width();
        height += bar;
    }
    if (height > room.height()) {
        height = room.height();
        width = std::min(width + bar, room.width());
    }
    window.setFixedSize(width, height);
    scroll->resize(window.size());
}

void shrinkToFit(QLabel& label)
{
    constexpr double kSmallestPointSize = 6.0;
    constexpr double kStep = 0.25;
    QFont font = label.font();
    while (font.pointSizeF() > kSmallestPointSize &&
           QFontMetricsF(font).horizontalAdvance(label.text()) > label.contentsRect().width()) {
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

void makeKeyboardButton(QPushButton& button)
{
    nameAfterCaption(button);
    // Outside dialogs this makes Return press the focused button and nothing else: a window
    // has no default button.
    button.setAutoDefault(true);
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

} // namespace lumo::ui::chrome
