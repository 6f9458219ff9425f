#include "ui/capitalising_filter.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QValidator>
#include <algorithm>

namespace lumo::ui {

namespace {
// Each lower-case letter of `text` replaced by its capital where that is one letter; every other
// character as it is.
QString capitalisedCodePoints(const QString& text)
{
    QString result;
    result.reserve(text.size());
    for (const char32_t codePoint : text.toUcs4()) {
        const char32_t capital = QChar::toUpper(codePoint);
        const char32_t kept = QChar::category(codePoint) == QChar::Letter_Lowercase &&
                                      QChar::category(capital) == QChar::Letter_Uppercase
                                  ? capital
                                  : codePoint;
        result += QString::fromUcs4(&kept, 1);
    }
    return result;
}

bool changesWhenCapitalised(const QString& text)
{
    return capitalisedName(text) != text;
}

bool isTypedLowerCaseLetter(const QKeyEvent& key)
{
    // A key whose text is one letter is typing, whatever modifier came with it; shortcuts such as
    // Ctrl+A carry a control character instead.
    const QString text = key.text();
    return text.toUcs4().size() == 1 && changesWhenCapitalised(text);
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
        if (changesWhenCapitalised(input)) {
            // The caret stays after the same character, however normalising changed the length.
            const auto before = capitalisedName(input.left(position)).size();
            input = capitalisedName(input);
            position = static_cast<int>(std::min(before, input.size()));
        }
        return m_earlier ? m_earlier->validate(input, position) : Acceptable;
    }

private:
    QPointer<const QValidator> m_earlier;
};
} // namespace

QString capitalisedName(const QString& text)
{
    return capitalisedCodePoints(text.normalized(QString::NormalizationForm_C));
}

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
    QKeyEvent capital(QEvent::KeyPress, key.key(), key.modifiers(), capitalisedName(key.text()),
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
