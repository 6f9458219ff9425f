#pragma once

#include <cstdint>

namespace lumo::ui {
struct PromotionLabels;
}

namespace lumo::platform {
class RandomSource;
}

namespace lumo::app {

// 6 r + 1 rounded to the nearest integer, halves to the even one: 1 to 7 for r in [0, 1).
[[nodiscard]] std::int16_t CoBrandNumber(double r) noexcept;

// Draws which offer the main window shows: the co-brand offer for 1, 3 and 5, the full-brand
// offer for 2, 4 and 6; 7 leaves the labels as they are.
void CoBrand_Randomize(ui::PromotionLabels& mainWindowLabels, platform::RandomSource& random);

} // namespace lumo::app
