#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace lumo {

// The whole report for a Soul Urge number: heading with the number, the general paragraph and the
// interpretation, each block closed by two CR LF pairs, then an empty block of two more.
[[nodiscard]] std::string BuildSoulUrgeReport(std::int16_t number);

} // namespace lumo
