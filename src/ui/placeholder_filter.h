#pragma once

#include <QHash>
#include <QObject>
#include <QString>

class QWidget;

namespace lumo::ui {

// Gives each referral box its placeholder text: emptied when the box takes the focus while it
// shows the placeholder, restored when it loses the focus holding only blanks.
class PlaceholderFilter final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PlaceholderFilter)

public:
    using QObject::QObject;
    void watch(QWidget* box, const QString& placeholder);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QHash<QObject*, QString> m_placeholders;
};

} // namespace lumo::ui
