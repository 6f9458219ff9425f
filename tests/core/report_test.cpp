#include "core/interpretations.h"
#include "core/report.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <gtest/gtest.h>
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

class Interpretations : public ::testing::TestWithParam<Interpretation> {};

TEST_P(Interpretations, OpenWithTheirSentenceAndKeepTheirLength)
{
    const std::string_view text = lumo::GetInterpretation(GetParam().number);
    EXPECT_TRUE(text.starts_with(GetParam().opening)) << text;
    EXPECT_EQ(text.size(), GetParam().length);
    EXPECT_TRUE(std::all_of(text.begin(), text.end(), [](char c) { return c >= 0x20 && c < 0x7F; }))
        << "only printable ASCII, no line breaks";
}

TEST_P(Interpretations, FollowTheHeadingAndGeneralParagraphInTheReport)
{
    const std::int16_t number = GetParam().number;
    const std::string report = lumo::BuildSoulUrgeReport(number);
    const std::string opening = std::string(kHeading) + std::to_string(number) +
                                std::string(kTwoBreaks) + std::string(kGeneral) +
                                std::string(kTwoBreaks);
    const std::string closing = std::string(kTwoBreaks) + std::string(kTwoBreaks);
    ASSERT_TRUE(report.starts_with(opening)) << report;
    ASSERT_TRUE(report.ends_with(closing)) << report;
    ASSERT_EQ(report.size(), opening.size() + GetParam().length + closing.size());
    // Between them stands the interpretation alone: its sentence, its length, no line break.
    const std::string_view middle =
        std::string_view(report).substr(opening.size(), GetParam().length);
    EXPECT_TRUE(middle.starts_with(GetParam().opening)) << middle;
    EXPECT_EQ(middle.find('\r'), std::string_view::npos);
}

INSTANTIATE_TEST_SUITE_P(
    AllNumbers, Interpretations,
    ::testing::Values(
        Interpretation{1,
                       "You achieve a sense of gratification when you succeed in any type of "
                       "competition.",
                       329},
        Interpretation{
            2, "You enclose a deep internal necessitate for love and harmony in your life.", 318},
        Interpretation{3,
                       "You achieve a sense of pleasure when you are involved in innovative "
                       "ventures.",
                       423},
        Interpretation{4,
                       "At hand there is an ever-present need to consider sheltered and "
                       "financially secure.",
                       394},
        Interpretation{5,
                       "The yearning to have complete liberty to be in control of your affairs is "
                       "principal in your makeup.",
                       346},
        Interpretation{6,
                       "Having the knowledge of being wanted and respected is an always-present "
                       "pressure.",
                       322},
        Interpretation{
            7,
            "You encompass an in-built secret need to gain a spiritual feeling about the "
            "world around you.",
            298},
        Interpretation{8,
                       "You have a focused drive to achieve in a material sense and to gain a "
                       "position of authority and power.",
                       381},
        Interpretation{9,
                       "You feel proud and satisfied, when you do something impressive for the "
                       "benefit of humankind.",
                       352},
        Interpretation{11, "Master number 11 has resemblance with number 2.", 384},
        Interpretation{22,
                       "With a master number 22 Soul Urge, there is an ever-lasting peaceful life "
                       "ahead of you.",
                       480}));

TEST(Interpretations, TextTwoHasTwoBlanksAfterAchievement)
{
    const std::string_view text = lumo::GetInterpretation(2);
    const std::size_t at = text.find("achievement.");
    ASSERT_NE(at, std::string_view::npos);
    EXPECT_EQ(text.substr(at, 15).substr(12), "  Y");
}

TEST(Interpretations, NumbersWithoutAnEntryGiveNothing)
{
    for (const std::int16_t number : {0, 10, 12, 21, 23, 33, -1, 32767, -32768}) {
        EXPECT_TRUE(lumo::GetInterpretation(static_cast<std::int16_t>(number)).empty()) << number;
    }
}

TEST(SoulUrgeReport, ForZeroHasNoInterpretationAndSixBreaksAfterTheGeneralParagraph)
{
    const std::string expected =
        std::string(kHeading) + "0\r\n\r\n" + std::string(kGeneral) + "\r\n\r\n\r\n\r\n\r\n\r\n";
    EXPECT_EQ(lumo::BuildSoulUrgeReport(0), expected);
}

TEST(SoulUrgeReport, MasterNumbersShowBothDigitsRightAfterTheColon)
{
    EXPECT_TRUE(lumo::BuildSoulUrgeReport(11).starts_with("Your Soul Urge Number is:11\r\n\r\n"));
    EXPECT_TRUE(lumo::BuildSoulUrgeReport(22).starts_with("Your Soul Urge Number is:22\r\n\r\n"));
}

} // namespace
