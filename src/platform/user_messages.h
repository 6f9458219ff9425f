#pragma once

#include <QString>
#include <utility>

class QWidget;

namespace lumo::platform {

enum class MessageIcon { Information, Critical };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

// Modal message boxes. Behind an interface so that tests record them instead of blocking.
// Every box the program shows carries the title given at construction.
class UserMessages {
public:
    explicit UserMessages(QString title)
        : m_title(std::move(title))
    {
    }
    virtual ~UserMessages() = default;
    UserMessages(const UserMessages&) = delete;
    UserMessages& operator=(const UserMessages&) = delete;

    // Shows `text` under the title and waits for the answer. With YesNo, Yes is the default
    // button.
    virtual MessageAnswer show(QWidget* parent, const QString& text, MessageIcon icon,
                               MessageButtons buttons) = 0;
    // Shows `text` under the title with an OK button and, below it, `selectable` in a read-only
    // line that the user can select and copy from, however long it is; waits until the box is
    // closed.
    virtual void showSelectable(QWidget* parent, const QString& text, const QString& selectable,
                                MessageIcon icon) = 0;

    // An OK box with the information icon.
    void information(QWidget* parent, const QString& text)
    {
        show(parent, text, MessageIcon::Information, MessageButtons::Ok);
    }
    // An OK box with the critical icon.
    void critical(QWidget* parent, const QString& text)
    {
        show(parent, text, MessageIcon::Critical, MessageButtons::Ok);
    }
    // An OK box with the critical icon, `selectable` below the text for the user to copy.
    void critical(QWidget* parent, const QString& text, const QString& selectable)
    {
        showSelectable(parent, text, selectable, MessageIcon::Critical);
    }
    // A Yes/No question with the information icon.
    [[nodiscard]] MessageAnswer question(QWidget* parent, const QString& text)
    {
        return show(parent, text, MessageIcon::Information, MessageButtons::YesNo);
    }

protected:
    [[nodiscard]] const QString& title() const { return m_title; }

private:
    QString m_title;
};

} // namespace lumo::platform
