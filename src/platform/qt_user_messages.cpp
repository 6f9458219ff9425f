#include "platform/qt_user_messages.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSpacerItem>
#include <QStyle>

namespace lumo::platform {

namespace {
// Room in a title bar beside the title: the window manager's or Qt's own buttons and icon.
constexpr int kTitleBarControlsWidth = 120;
// Title bars often set their title larger than the program's text, and in bold.
constexpr double kTitleFontGrowth = 1.25;

// The window a box belongs to: the one it names, else the one the user is working in. Only a
// box of no window at all (the refusal of a second copy) has no parent.
QWidget* ownerOf(QWidget* parent)
{
    return parent != nullptr ? parent : QApplication::activeWindow();
}

// A box of no window of this copy must not open behind a window that stays on top (the exit
// screen, or the running copy's exit screen for the refusal of a second copy).
void keepAboveWindowsOnTop(QWidget& box, const QWidget* parent)
{
    if (parent == nullptr) {
        box.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    }
}

// The width at which a title bar shows `title` whole, beside its buttons.
int widthForTitle(const QWidget& box, const QString& title)
{
    QFont font = box.font();
    font.setBold(true);
    return int(QFontMetrics(font).horizontalAdvance(title) * kTitleFontGrowth) +
           kTitleBarControlsWidth;
}

QMessageBox::Icon boxIcon(MessageIcon icon)
{
    return icon == MessageIcon::Critical ? QMessageBox::Critical : QMessageBox::Information;
}

QStyle::StandardPixmap iconPixmap(MessageIcon icon)
{
    return icon == MessageIcon::Critical ? QStyle::SP_MessageBoxCritical
                                         : QStyle::SP_MessageBoxInformation;
}
} // namespace

MessageAnswer QtUserMessages::show(QWidget* parent, const QString& text, MessageIcon icon,
                                   MessageButtons buttons)
{
    QWidget* owner = ownerOf(parent);
    QMessageBox box(boxIcon(icon), title(), text, QMessageBox::NoButton, owner);
    keepAboveWindowsOnTop(box, owner);
    if (buttons == MessageButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        // Without a Cancel button Esc would do nothing; it answers No, as closing the box does.
        box.setEscapeButton(QMessageBox::No);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    // A message box sizes itself to its layout, so the room for the title is a spacer in it.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
        grid->addItem(new QSpacerItem(widthForTitle(box, title()), 0, QSizePolicy::Minimum),
                      grid->rowCount(), 0, 1, grid->columnCount());
    }
    const int pressed = box.exec();
    if (buttons == MessageButtons::Ok) {
        return MessageAnswer::Ok;
    }
    return pressed == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

void QtUserMessages::showSelectable(QWidget* parent, const QString& text, const QString& selectable,
                                    MessageIcon icon)
{
    // A message box of its own making: a label would grow with a long text (a referral address
    // may be thousands of characters), so the selectable text sits in a read-only line instead.
    QWidget* owner = ownerOf(parent);
    QDialog box(owner);
    box.setObjectName(QStringLiteral("selectableMessageBox"));
    box.setWindowTitle(title());
    box.setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    keepAboveWindowsOnTop(box, owner);
    box.setMinimumWidth(widthForTitle(box, title()));

    auto* picture = new QLabel(&box);
    const int side = box.style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, &box);
    picture->setPixmap(box.style()->standardIcon(iconPixmap(icon), nullptr, &box).pixmap(side));
    auto* message = new QLabel(text, &box);
    message->setObjectName(QStringLiteral("messageText"));
    message->setTextFormat(Qt::PlainText);
    message->setWordWrap(true);
    auto* line = new QLineEdit(selectable, &box);
    line->setObjectName(QStringLiteral("selectableText"));
    line->setAccessibleName(text);
    line->setReadOnly(true);
    line->setMinimumWidth(box.fontMetrics().averageCharWidth() * 60);
    message->setBuddy(line);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &box);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &box, &QDialog::accept);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);

    auto* layout = new QGridLayout(&box);
    layout->addWidget(picture, 0, 0, 2, 1, Qt::AlignTop);
    layout->addWidget(message, 0, 1);
    layout->addWidget(line, 1, 1);
    layout->addWidget(buttons, 2, 0, 1, 2);
    // The whole text is selected, so Ctrl+C copies it at once; selected backwards, so that the
    // line shows its beginning.
    line->setFocus();
    line->setSelection(int(selectable.size()), -int(selectable.size()));
    box.exec();
}

} // namespace lumo::platform
