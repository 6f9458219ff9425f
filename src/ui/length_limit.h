#pragma once

#include <functional>

class QLineEdit;
class QPlainTextEdit;

namespace lumo::ui {

// Keeps a box to at most `maxLength` characters. Typing or pasting that would make it longer is
// refused whole, the box keeps the text it had, and `refused` runs so the user can be told:
// nothing is ever cut off silently.
void limitLength(QLineEdit& box, int maxLength, std::function<void()> refused);
void limitLength(QPlainTextEdit& box, int maxLength, std::function<void()> refused);

} // namespace lumo::ui
