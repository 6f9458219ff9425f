#pragma once

#include <QString>

class QWidget;

namespace lumo::platform {

enum class MessageIcon { Information, Critical };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

// Modal message boxes. Behind an interface so that tests record them instead of blocking.
class UserMessages {
public:
    virtual ~UserMessages() = default;
    // Shows `text` and waits for the answer. With YesNo, Yes is the default button.
    virtual MessageAnswer show(QWidget* parent, const QString& text, const QString& title,
                               MessageIcon icon, MessageButtons buttons) = 0;
};

} // namespace lumo::platform
