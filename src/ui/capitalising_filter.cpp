#include "ui/capitalising_filter.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QValidator>

namespace lumo::ui {

namespace {
bool isLowerCaseLetter(QChar character)
{
    return character >= QLatin1Char('a') && character <= QLatin1Char('z');
}

bool isTypedLowerCaseLetter(const QKeyEvent& key)
{
    // A key whose text is a letter is typing, whatever modifier came with it; shortcuts such as
    // Ctrl+A carry a control character instead.
    const QString text = key.text();
    return text.size() == 1 && isLowerCaseLetter(text.front());
}

// Capitalises the box's new text before the box takes it, then lets the box's earlier check (a
// length limit) judge the result. A box takes a text its validator changed as a whole new text,
// so only text that did not arrive as a typed key is changed here.
class CapitalisingValidator final : public QValidator {
public:
    CapitalisingValidator(const QValidator* earlier, QObject* parent)
        : QValidator(parent)
        , m_earlier(earlier)
    {
    }

    State validate(QString& input, int& position) const override
    {
        for (QChar& character : input) {
            if (isLowerCaseLetter(character)) {
                character = character.toUpper();
            }
        }
        return m_earlier ? m_earlier->validate(input, position) : Acceptable;
    }

private:
    QPointer<const QValidator> m_earlier;
};
} // namespace

bool CapitalisingFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress) {
        return false;
    }
    const auto& key = static_cast<const QKeyEvent&>(*event);
    if (!isTypedLowerCaseLetter(key)) {
        return false;
    }
    // The box gets the same key with the capital letter, so undo, selection and read-only state
    // behave as for any typed key.
    QKeyEvent capital(QEvent::KeyPress, key.key(), key.modifiers(), key.text().toUpper(),
                      key.isAutoRepeat(), static_cast<quint16>(key.count()));
    QCoreApplication::sendEvent(watched, &capital);
    return true;
}

void capitaliseEntries(QLineEdit& box, CapitalisingFilter& filter)
{
    box.installEventFilter(&filter);
    box.setValidator(new CapitalisingValidator(box.validator(), &box));
}

} // namespace lumo::ui
