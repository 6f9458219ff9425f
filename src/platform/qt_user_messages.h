#pragma once

#include "platform/user_messages.h"

namespace lumo::platform {

class QtUserMessages final : public UserMessages {
public:
    using UserMessages::UserMessages;
    MessageAnswer show(QWidget* parent, const QString& text, MessageIcon icon,
                       MessageButtons buttons) override;
    void showSelectable(QWidget* parent, const QString& text, const QString& selectable,
                        MessageIcon icon) override;
};

} // namespace lumo::platform
