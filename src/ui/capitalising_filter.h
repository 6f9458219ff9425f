#pragma once

#include <QObject>

namespace lumo::ui {

// Turns typed "a" to "z" into "A" to "Z" before the text box sees the key. Every other key, and
// pasted text, passes unchanged.
class CapitalisingFilter final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CapitalisingFilter)

public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace lumo::ui
