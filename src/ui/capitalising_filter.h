#pragma once

#include <QObject>
#include <QString>

class QLineEdit;

namespace lumo::ui {

// A name as the program shows and scores it: in Unicode normalisation form C (so "É" typed as
// one character and "E" followed by a combining acute accent are the same name), then every
// lower-case letter that has a one-letter capital in Unicode's locale-independent case mapping
// turned into that capital ("a" to "z", "é" to "É", the dotless "ı" to "I"; never the
// locale's "i" to "İ"). Letters whose capital is more than one letter ("ß", "ﬁ") keep their
// case. The one rule for typed, pasted, dropped and composed text and for the calculation.
[[nodiscard]] QString capitalisedName(const QString& text);

// Turns a typed lower-case letter into its capital (capitalisedName's rule) before the text box
// sees the key. Every other key passes unchanged. Text that enters in any other way is
// capitalised by capitaliseEntries below.
class CapitalisingFilter final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CapitalisingFilter)

public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// Capitalises however text enters `box`: typed keys through `filter`, so that each keystroke stays
// one step to undo; pasted, dropped and composed text, and text set by the program, as the box
// checks its new text. Any limit the box already checks (limitLength) still applies: install
// that first.
void capitaliseEntries(QLineEdit& box, CapitalisingFilter& filter);

} // namespace lumo::ui
