#pragma once

#include <QString>

class QWidget;

namespace lumo::ui {

// The text of a referral box, a line box or the multi-line message box, with line breaks as the
// request carries them (CR LF); and setting it from such text. The one place that tells the two
// kinds of box apart.
[[nodiscard]] QString boxText(const QWidget* box);
void setBoxText(QWidget* box, const QString& text);

} // namespace lumo::ui
