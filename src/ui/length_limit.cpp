#include "ui/length_limit.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTimer>
#include <QValidator>
#include <memory>

namespace lumo::ui {

namespace {
// Refuses any text longer than its limit. A refused change leaves the box as it was and makes
// the box report the refusal (QLineEdit::inputRejected).
class MaxLengthValidator final : public QValidator {
public:
    MaxLengthValidator(int maxLength, QObject* parent)
        : QValidator(parent)
        , m_maxLength(maxLength)
    {
    }

    State validate(QString& input, int&) const override
    {
        return input.size() > m_maxLength ? Invalid : Acceptable;
    }

private:
    int m_maxLength;
};

// Runs `refused` once the box has finished the change it refused: never in the middle of its
// editing, and once however many times the box reported that one change.
std::function<void()> afterTheChange(QObject& box, std::function<void()> refused)
{
    auto pending = std::make_shared<bool>(false);
    return [&box, pending, refused = std::move(refused)] {
        if (*pending) {
            return;
        }
        *pending = true;
        QTimer::singleShot(0, &box, [pending, refused] {
            *pending = false;
            refused();
        });
    };
}
} // namespace

void limitLength(QLineEdit& box, int maxLength, std::function<void()> refused)
{
    // One more than the limit gets past the box's own cut, so that the validator sees a text
    // that is too long and refuses it whole instead of the box keeping a cut-off part.
    box.setMaxLength(maxLength + 1);
    box.setValidator(new MaxLengthValidator(maxLength, &box));
    QObject::connect(&box, &QLineEdit::inputRejected, &box,
                     afterTheChange(box, std::move(refused)));
}

void limitLength(QPlainTextEdit& box, int maxLength, std::function<void()> refused)
{
    // The box has no validator, so it remembers the last text within the limit and puts that
    // back. Undoing the last step would not do: the box merges a run of typed characters into one
    // step, so undo would take away everything typed before the keystroke that went too far.
    struct Accepted {
        QString text;
        int cursor = 0;
    };
    auto accepted = std::make_shared<Accepted>(Accepted{box.toPlainText(), 0});
    const auto tell = afterTheChange(box, std::move(refused));
    QObject::connect(&box, &QPlainTextEdit::textChanged, &box, [&box, maxLength, accepted, tell] {
        if (box.document()->characterCount() - 1 <= maxLength) {
            accepted->text = box.toPlainText();
            accepted->cursor = box.textCursor().position();
            return;
        }
        // Put back after the box has finished the change it is making.
        QTimer::singleShot(0, &box, [&box, maxLength, accepted] {
            if (box.document()->characterCount() - 1 > maxLength) {
                box.setPlainText(accepted->text);
                QTextCursor cursor = box.textCursor();
                cursor.setPosition(accepted->cursor);
                box.setTextCursor(cursor);
            }
        });
        tell();
    });
}

} // namespace lumo::ui
