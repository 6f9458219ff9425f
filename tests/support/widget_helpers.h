#pragma once

// Small helpers shared by the tests that drive windows.

#include <QApplication>
#include <QColor>
#include <QEvent>
#include <QImage>
#include <QLatin1String>
#include <QObject>
#include <QPalette>
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

// How many pixels of `image` are exactly `colour`.
inline int pixelsOf(const QImage& image, const QColor& colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            count += image.pixelColor(x, y) == colour ? 1 : 0;
        }
    }
    return count;
}

// A desktop palette as dark themes have it: light text on near-black, in every colour group.
inline QPalette darkDesktopPalette()
{
    QPalette dark;
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        for (const auto role :
             {QPalette::Window, QPalette::Base, QPalette::Button, QPalette::AlternateBase}) {
            dark.setColor(group, role, QColor(35, 35, 35));
        }
        for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
            dark.setColor(group, role, QColor(238, 238, 238));
        }
    }
    return dark;
}

// Runs the deletions that closing a window with WA_DeleteOnClose has posted.
inline void processDeferredDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace lumo::testing
