#pragma once

// Small helpers shared by the tests that drive windows.

#include <QApplication>
#include <QEvent>
#include <QLatin1String>
#include <QObject>
#include <QStringList>
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

// The object names of the top-level windows on screen, sorted.
inline QStringList visibleWindows()
{
    QStringList names;
    for (const QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible()) {
            names << window->objectName();
        }
    }
    names.sort();
    return names;
}

// The top-level window with the object name `name`, or null.
inline QWidget* windowNamed(const QString& name)
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == name) {
            return window;
        }
    }
    return nullptr;
}

// Runs the deletions that closing a window with WA_DeleteOnClose has posted.
inline void processDeferredDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace lumo::testing
