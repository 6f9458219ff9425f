#pragma once

#include "web/mod_tell_a_friend.h"

#include <QGroupBox>
#include <QList>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace lumo::platform {
class UserMessages;
}

namespace lumo::ui {

class PlaceholderFilter;

// The exit screen's "Refer A Friend" frame: the five referral boxes with their placeholders and
// length limits, the rule that keeps spaces out of the two address boxes, and the button.
class ReferralForm final : public QGroupBox {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ReferralForm)

public:
    ReferralForm(platform::UserMessages& messages, QWidget* parent);

    // The five values as the boxes hold them now, captured for a request.
    [[nodiscard]] modTellAFriend::ReferralRecord record() const;
    // The controls that take the focus, in their Tab order.
    [[nodiscard]] QList<QWidget*> tabStops() const;

signals:
    // "Refer A Friend Now" was pressed.
    void submitted();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    platform::UserMessages& m_messages;
    PlaceholderFilter* m_placeholders = nullptr;
    QPlainTextEdit* txtMessage = nullptr;
    QLineEdit* txtFriendName = nullptr;
    QLineEdit* txtFriendEmail = nullptr;
    QLineEdit* txtEmail = nullptr;
    QPushButton* cmdSubmit = nullptr;
    QLineEdit* txtName = nullptr;
};

} // namespace lumo::ui
