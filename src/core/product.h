#pragma once

#include <string_view>

namespace lumo::product {

// The title of every message box that has none of its own.
inline constexpr std::string_view kApplicationTitle = "Lumo Soul Urge Number";
// The caption of every window of the program.
inline constexpr std::string_view kWindowCaption = "Lumo Soul Urge Number v1.65";

} // namespace lumo::product
