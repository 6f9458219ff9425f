#pragma once

class QAccessibleInterface;
class QComboBox;
class QObject;
class QString;
class QWidget;

namespace lumo::ui {

// What Qt asks for the screen-reader interface of an object: null for objects it does not know.
using AccessibleFactory = QAccessibleInterface* (*)(const QString& className, QObject* object);

// Hands `factory` to Qt once, however often it is called: each kind of control that speaks to
// screen readers in its own way installs its factory as it is made.
void installAccessibleFactory(AccessibleFactory factory);

// Shows `window` to screen readers as a window named by its title, as main windows and dialogs
// are, instead of as a bare panel.
void exposeAsWindow(QWidget& window);

// Has screen readers name `list` by its accessible name, and give the entry it shows as its
// value and its text, announced as it changes; Qt on Linux would otherwise announce the entry as
// the list's name.
void nameListByItsRole(QComboBox& list);

} // namespace lumo::ui
