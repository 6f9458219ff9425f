#pragma once

#include <QObject>

class QLineEdit;

namespace lumo::ui {

// Turns typed "a" to "z" into "A" to "Z" before the text box sees the key. Every other key passes
// unchanged. Text that enters in any other way is capitalised by capitaliseEntries below.
class CapitalisingFilter final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CapitalisingFilter)

public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// Capitalises "a" to "z" however text enters `box`: typed keys through `filter`, so that each
// keystroke stays one step to undo; pasted, dropped and composed text, and text set by the program,
// as the box checks its new text. Letters outside "a" to "z" keep their case. Any limit the box
// already checks (limitLength) still applies: install that first.
void capitaliseEntries(QLineEdit& box, CapitalisingFilter& filter);

} // namespace lumo::ui
