#pragma once

#include <QCheckBox>

namespace lumo::ui {

// A check box that answers a click anywhere in its box, not only on its mark and caption: where
// the pointer shows a hand, a click does something.
class WholeBoxCheckBox final : public QCheckBox {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(WholeBoxCheckBox)

public:
    using QCheckBox::QCheckBox;

protected:
    [[nodiscard]] bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};

} // namespace lumo::ui
