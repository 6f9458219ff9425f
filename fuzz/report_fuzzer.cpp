// BuildSoulUrgeReport for any 16-bit number, against the report's layout written out: heading
// with the number, blank line, general paragraph, blank line, the number's interpretation (known
// by its opening sentence and length, one paragraph) or nothing, then four line breaks.

#include "core/report.h"
#include "fuzz/fuzz_check.h"

#include <cstdint>
#include <fuzzer/FuzzedDataProvider.h>
#include <string>
#include <string_view>

namespace {

constexpr std::string_view kHeading = "Your Soul Urge Number is:";
constexpr std::string_view kGeneral =
    "This number tries to close the gap between how you think you are projecting yourself and "
    "the way people see you. This will help improve your relationships and let others see the "
    "real you.";
constexpr std::string_view kBreaks = "\r\n\r\n";

struct Interpretation {
    int number;
    std::string_view opening;
    std::size_t length;
};

constexpr Interpretation kInterpretations[] = {
    {1, "You achieve a sense of gratification when you succeed in any type of competition.", 329},
    {2, "You enclose a deep internal necessitate for love and harmony in your life.", 318},
    {3, "You achieve a sense of pleasure when you are involved in innovative ventures.", 423},
    {4, "At hand there is an ever-present need to consider sheltered and financially secure.", 394},
    {5,
     "The yearning to have complete liberty to be in control of your affairs is principal in "
     "your makeup.",
     346},
    {6, "Having the knowledge of being wanted and respected is an always-present pressure.", 322},
    {7,
     "You encompass an in-built secret need to gain a spiritual feeling about the world around "
     "you.",
     298},
    {8,
     "You have a focused drive to achieve in a material sense and to gain a position of "
     "authority and power.",
     381},
    {9,
     "You feel proud and satisfied, when you do something impressive for the benefit of "
     "humankind.",
     352},
    {11, "Master number 11 has resemblance with number 2.", 384},
    {22, "With a master number 22 Soul Urge, there is an ever-lasting peaceful life ahead of you.",
     480},
};

const Interpretation* Find(int number)
{
    for (const Interpretation& entry : kInterpretations) {
        if (entry.number == number) {
            return &entry;
        }
    }
    return nullptr;
}

bool StartsWith(std::string_view text, std::string_view prefix)
{
    return text.substr(0, prefix.size()) == prefix;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    const auto number = input.ConsumeIntegral<std::int16_t>();
    const std::string report = lumo::BuildSoulUrgeReport(number);
    std::string_view rest = report;

    std::string head(kHeading);
    head += std::to_string(number);
    head += kBreaks;
    head += kGeneral;
    head += kBreaks;
    LUMO_FUZZ_CHECK(StartsWith(rest, head), "%d: heading or general paragraph", number);
    rest.remove_prefix(head.size());

    constexpr std::string_view kEnd = "\r\n\r\n\r\n\r\n";
    LUMO_FUZZ_CHECK(rest.size() >= kEnd.size() && rest.substr(rest.size() - kEnd.size()) == kEnd,
                    "%d: closing line breaks", number);
    rest.remove_suffix(kEnd.size());

    if (const Interpretation* expected = Find(number)) {
        LUMO_FUZZ_CHECK(rest.size() == expected->length, "%d: interpretation of %zu characters",
                        number, rest.size());
        LUMO_FUZZ_CHECK(StartsWith(rest, expected->opening), "%d: opening sentence", number);
        LUMO_FUZZ_CHECK(rest.find_first_of("\r\n") == std::string_view::npos,
                        "%d: line break inside the interpretation", number);
    } else {
        LUMO_FUZZ_CHECK(rest.empty(), "%d: no interpretation expected", number);
    }
    return 0;
}
