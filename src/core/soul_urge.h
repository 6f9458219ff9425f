#pragma once

#include <cstdint>
#include <string_view>

namespace lumo {

// Scores the vowels of a name and reduces the total to the Soul Urge number: 0, 1 to 9, 11 or 22.
// Each part is UTF-8 text as typed; the middle part may be empty. Only the capital ASCII letters
// A E I O U score, and Y only in a name without any of them.
[[nodiscard]] std::int16_t CalculateSoulUrge(std::string_view first, std::string_view middle,
                                             std::string_view last) noexcept;

// Reduces a vowel total: 11 and 22 stay, anything else becomes its digit sum folded by at most
// two steps of first digit plus last digit. Writes the result back into `total` and returns it.
std::int16_t ReduceNumber(std::int64_t& total) noexcept;

} // namespace lumo
