#pragma once

#include "ui/wrapped_caption.h"

#include <QColor>
#include <QLabel>

namespace lumo::ui {

// A label that acts as a link: pointing-hand pointer, clicked on a left-button release inside it,
// reached with Tab and followed with Enter or Space, framed while it has the focus, and known to
// screen readers as a link.
class ClickableLabel final : public QLabel {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ClickableLabel)

public:
    ClickableLabel(const QString& objectName, const QString& caption, QWidget* parent);

    // Places the label so that its caption fills `textArea`, with room around it for the focus
    // frame, which so never covers the caption.
    void placeText(const QRect& textArea);
    // An opaque face behind the caption, within `textArea` only; none by default.
    void setFace(const QColor& face);

    // A link hidden behind another takes no focus, is not announced and is not drawn.
    void setCovered(bool covered);
    [[nodiscard]] bool isCovered() const { return m_covered; }

signals:
    void clicked();

protected:
    bool event(QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // The caption as laid out for the label's text, font, size and alignment; laid out anew only
    // when one of them changes.
    [[nodiscard]] bool drawsItsOwnCaption() const;
    const WrappedCaption& caption();

    bool m_covered = false;
    QColor m_face;
    WrappedCaption m_caption;
};

// A caption shown as a label shows it: a doubled ampersand stands for one.
[[nodiscard]] QString displayedCaption(const char* stored);

} // namespace lumo::ui
