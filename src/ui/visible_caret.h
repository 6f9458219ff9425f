#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

namespace lumo::ui {

// Draws the text caret of line edits and text boxes two pixels wide and steady, in whichever of
// black, white and the focus blue stands out most from the box. Qt's own caret is one pixel wide
// and inverts what lies under it, which on the window blue gives a faint brown (2.4 to 1); the
// program's style sets Qt's caret to no width and has this draw it instead.
class VisibleCaret final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(VisibleCaret)

public:
    explicit VisibleCaret(QObject* parent = nullptr);

    // `widget`: a QLineEdit, or the viewport of a QPlainTextEdit or QTextEdit.
    void watch(QWidget& widget);
    void forget(QWidget& widget);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QObject> m_painting; // the widget whose own painting runs inside the filter
};

} // namespace lumo::ui
