#include "core/interpretations.h"
#include "core/report.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <string>
#include <string_view>

namespace {

constexpr std::string_view kHeading = "Your Soul Urge Number is:";
constexpr std::string_view kGeneral =
    "This number tries to close the gap between how you think you are projecting yourself and "
    "the way people see you. This will help improve your relationships and let others see the "
    "real you.";
constexpr std::string_view kTwoBreaks = "\r\n\r\n";

struct Interpretation {
    std::int16_t number;
    std::string_view opening;
    std::size_t length;
};

void PrintTo(const Interpretation& entry, std::ostream* os)
{
    *os << "number " << entry.number;
}

// Each number that has an interpretation, known by its opening sentence and its length.
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

const Interpretation* interpretationOf(int number)
{
    for (const Interpretation& entry : kInterpretations) {
        if (entry.number == number) {
            return &entry;
        }
    }
    return nullptr;
}

class Interpretations : public ::testing::TestWithParam<Interpretation> {};

TEST_P(Interpretations, OpenWithTheirSentenceAndKeepTheirLength)
{
    const std::string_view text = lumo::GetInterpretation(GetParam().number);
    EXPECT_TRUE(text.starts_with(GetParam().opening)) << text;
    EXPECT_EQ(text.size(), GetParam().length);
    EXPECT_TRUE(std::all_of(text.begin(), text.end(), [](char c) { return c >= 0x20 && c < 0x7F; }))
        << "only printable ASCII, no line breaks";
}

INSTANTIATE_TEST_SUITE_P(AllNumbers, Interpretations, ::testing::ValuesIn(kInterpretations));

// Every 16-bit number, against the report's layout written out: heading with the number (both
// digits of a master number right after the colon), blank line, general paragraph, blank line,
// the number's interpretation as one paragraph or nothing (0 and every number without an entry),
// then four line breaks.
TEST(SoulUrgeReport, EverySixteenBitNumberHasItsLayout)
{
    const std::string closing = std::string(kTwoBreaks) + std::string(kTwoBreaks);
    int failures = 0;
    for (int value = std::numeric_limits<std::int16_t>::min();
         value <= std::numeric_limits<std::int16_t>::max() && failures < 5; ++value) {
        const auto number = static_cast<std::int16_t>(value);
        const std::string report = lumo::BuildSoulUrgeReport(number);
        const std::string opening = std::string(kHeading) + std::to_string(value) +
                                    std::string(kTwoBreaks) + std::string(kGeneral) +
                                    std::string(kTwoBreaks);
        const Interpretation* expected = interpretationOf(value);
        const std::size_t length = expected ? expected->length : 0;
        const bool laidOut = report.starts_with(opening) && report.ends_with(closing) &&
                             report.size() == opening.size() + length + closing.size();
        EXPECT_TRUE(laidOut) << value << ": " << report;
        EXPECT_EQ(lumo::GetInterpretation(number).size(), length) << value;
        if (!laidOut) {
            ++failures;
            continue;
        }
        const std::string_view middle = std::string_view(report).substr(opening.size(), length);
        if (expected) {
            EXPECT_TRUE(middle.starts_with(expected->opening)) << value << ": " << middle;
            EXPECT_EQ(middle.find_first_of("\r\n"), std::string_view::npos) << value;
        }
    }
}

TEST(Interpretations, TextTwoHasTwoBlanksAfterAchievement)
{
    const std::string_view text = lumo::GetInterpretation(2);
    const std::size_t at = text.find("achievement.");
    ASSERT_NE(at, std::string_view::npos);
    EXPECT_EQ(text.substr(at, 15).substr(12), "  Y");
}

} // namespace
