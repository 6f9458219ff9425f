#pragma once

#include <QLabel>

namespace lumo::ui {

// A label that acts as a link: pointing-hand pointer, clicked on a left-button release inside it.
class ClickableLabel final : public QLabel {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ClickableLabel)

public:
    ClickableLabel(const QString& objectName, const QString& caption, QWidget* parent);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// A caption shown as a label shows it: a doubled ampersand stands for one.
[[nodiscard]] QString displayedCaption(const char* stored);

} // namespace lumo::ui
