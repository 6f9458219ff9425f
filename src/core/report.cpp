#include "core/report.h"

#include "core/interpretations.h"

#include <array>
#include <charconv>

namespace lumo {
namespace {

// Every block of the report ends with two line breaks.
constexpr std::string_view kBlockEnd = "\r\n\r\n";
constexpr std::size_t kBlockCount = 4;

} // namespace

std::string BuildSoulUrgeReport(std::int16_t number)
{
    std::array<char, 8> digits{};
    const auto converted = std::to_chars(digits.data(), digits.data() + digits.size(), number);
    const std::string_view numberText(digits.data(),
                                      static_cast<std::size_t>(converted.ptr - digits.data()));
    const std::string_view interpretation = GetInterpretation(number);

    std::string report;
    report.reserve(texts::kReportHeading.size() + numberText.size() +
                   texts::kGeneralParagraph.size() + interpretation.size() +
                   kBlockCount * kBlockEnd.size());
    report.append(texts::kReportHeading).append(numberText).append(kBlockEnd);
    report.append(texts::kGeneralParagraph).append(kBlockEnd);
    report.append(interpretation).append(kBlockEnd);
    report.append(kBlockEnd); // the closing empty block
    return report;
}

} // namespace lumo
