#pragma once

#include <QColor>

namespace lumo::ui {

// The least contrast at which a border, an arrow or a focus frame stands out from what it lies
// on, as accessibility guidelines ask of the parts of a control.
inline constexpr double kLeastPartContrast = 3.0;

// The contrast ratio of two colours, 1 to 21, as accessibility guidelines measure it.
[[nodiscard]] double contrastRatio(const QColor& a, const QColor& b);

} // namespace lumo::ui
