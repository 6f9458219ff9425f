#include "platform/qt_user_messages.h"

#include <QMessageBox>

namespace lumo::platform {

MessageAnswer QtUserMessages::show(QWidget* parent, const QString& text, const QString& title,
                                   MessageIcon icon, MessageButtons buttons)
{
    QMessageBox box(icon == MessageIcon::Critical ? QMessageBox::Critical
                                                  : QMessageBox::Information,
                    title, text, QMessageBox::NoButton, parent);
    if (parent == nullptr) {
        // A box of no window of this copy, such as the refusal of a second copy, must not open
        // behind a window that stays on top (the running copy's exit screen).
        box.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    }
    if (buttons == MessageButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        // Without a Cancel button Esc would do nothing; it answers No, as closing the box does.
        box.setEscapeButton(QMessageBox::No);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    const int pressed = box.exec();
    if (buttons == MessageButtons::Ok) {
        return MessageAnswer::Ok;
    }
    return pressed == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

} // namespace lumo::platform
