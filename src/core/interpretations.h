#pragma once

#include <string_view>

namespace lumo::texts {

// The first line of every report; the number follows the colon directly.
extern const std::string_view kReportHeading;
// The paragraph that every report carries, whatever the number.
extern const std::string_view kGeneralParagraph;

} // namespace lumo::texts
