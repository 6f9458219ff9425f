#pragma once

// Small helpers shared by the tests that drive windows.

#include <QCoreApplication>
#include <QEvent>
#include <QLatin1String>
#include <QObject>
#include <QTest>
#include <QWidget>

namespace lumo::testing {

// The descendant of `parent` with the object name `name`, or null.
template <typename Widget = QWidget> Widget* child(const QObject& parent, const char* name)
{
    return parent.findChild<Widget*>(QLatin1String(name));
}

// Shows a window and waits until it has the keyboard, as after a user's click on it.
[[nodiscard]] inline bool showActive(QWidget& window)
{
    window.show();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

// Runs the deletions that closing a window with WA_DeleteOnClose has posted.
inline void processDeferredDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace lumo::testing
