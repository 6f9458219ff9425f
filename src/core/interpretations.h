#pragma once

#include <cstdint>
#include <string_view>

namespace lumo::texts {

// The first line of every report; the number follows the colon directly.
extern const std::string_view kReportHeading;
// The paragraph that every report carries, whatever the number.
extern const std::string_view kGeneralParagraph;

} // namespace lumo::texts

namespace lumo {

// The interpretation paragraph of a Soul Urge number, or an empty view for a number without one.
[[nodiscard]] std::string_view GetInterpretation(std::int16_t number) noexcept;

} // namespace lumo
