#pragma once

namespace lumo::product {

// The title of every message box that has none of its own.
inline constexpr char kApplicationTitle[] = "Lumo Soul Urge Number";
// The caption of every window of the program.
inline constexpr char kWindowCaption[] = "Lumo Soul Urge Number v1.65";

} // namespace lumo::product
