#pragma once

class QComboBox;
class QWidget;

namespace lumo::ui {

// Shows `window` to screen readers as a window named by its title, as main windows and dialogs
// are, instead of as a bare panel.
void exposeAsWindow(QWidget& window);

// Has screen readers name `list` by its accessible name, and give the entry it shows as its
// value and its text, announced as it changes; Qt on Linux would otherwise announce the entry as
// the list's name.
void nameListByItsRole(QComboBox& list);

} // namespace lumo::ui
