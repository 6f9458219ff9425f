#include "core/soul_urge.h"

#include <cstddef>
#include <cstdint>
#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <string_view>

namespace {

struct NameCase {
    std::string_view first;
    std::string_view middle;
    std::string_view last;
    std::int16_t expected;
};

void PrintTo(const NameCase& c, std::ostream* os)
{
    *os << '"' << c.first << "\" / \"" << c.middle << "\" / \"" << c.last << '"';
}

class SoulUrgeNames : public ::testing::TestWithParam<NameCase> {};

TEST_P(SoulUrgeNames, GiveTheirNumber)
{
    const NameCase& c = GetParam();
    EXPECT_EQ(lumo::CalculateSoulUrge(c.first, c.middle, c.last), c.expected);
}

INSTANTIATE_TEST_SUITE_P(WorkedNames, SoulUrgeNames,
                         ::testing::Values(NameCase{"JOHN", "", "SMITH", 6},
                                           NameCase{"MARY", "ANN", "LEE", 3},
                                           NameCase{"LYNN", "", "FLYNN", 5},
                                           NameCase{"YVES", "", "", 5},
                                           NameCase{"john", "", "smith", 0}));

INSTANTIATE_TEST_SUITE_P(
    YRule, SoulUrgeNames,
    ::testing::Values(NameCase{"YYY", "", "", 3},        // 21
                      NameCase{"YYY", "", "A", 1},       // any vowel in the name voids every Y
                      NameCase{"BRYN", "GWYN", "", 5},   // 14
                      NameCase{"Yaeiou", "", "", 7},     // lower-case vowels do not void the Y
                      NameCase{"yyy", "y", "", 0},       // nor does a lower-case y count
                      NameCase{"\tYY\t", "", "", 5},     // a tab scores nothing, prevents nothing
                      NameCase{"\xC3\x9DNN", "", "", 0}, // nor does the accented capital Y
                      NameCase{"BCDFG", "", "HJKLM", 0}));

INSTANTIATE_TEST_SUITE_P(CaseAndCharacters, SoulUrgeNames,
                         ::testing::Values(NameCase{"AEIOU", "", "", 6}, // 24
                                           NameCase{"aeiou", "AeIoU", "", 4},
                                           NameCase{"\xC3\x89MILE", "", "",
                                                    5}, // "ÉMILE": only I and E, 14
                                           NameCase{"\xC3\x84\xC3\x96\xC3\x9C", "", "", 0}, // "ÄÖÜ"
                                           NameCase{"O'NEIL-5", "", "", 2}));               // 20

INSTANTIATE_TEST_SUITE_P(PartsAndBlanks, SoulUrgeNames,
                         ::testing::Values(NameCase{"  JOHN ", "   ", " SMITH  ", 6},
                                           NameCase{"", "", "", 0}, NameCase{"   ", " ", "", 0},
                                           NameCase{"\tJOHN\t", "", "SMITH", 6},
                                           NameCase{"\xC2\xA0YY", "", "",
                                                    5}, // a no-break space stays and scores nothing
                                           NameCase{"ANNE MARIE", "", "", 3}, // 21
                                           NameCase{"", "", "ANNE MARIE", 3},
                                           NameCase{"AN", "NE MA", "RIE", 3}));

TEST(SoulUrge, TotalsBeyondSixteenBitsStillReduce)
{
    EXPECT_EQ(lumo::CalculateSoulUrge(std::string(4000, 'I'), "", ""), 9); // 36000
    EXPECT_EQ(lumo::CalculateSoulUrge("", std::string(7000, 'E'), ""), 8); // 35000
    EXPECT_EQ(lumo::CalculateSoulUrge("", "", std::string(5000, 'Y')), 8); // 35000
    // 3 * 2^20 = 3145728.
    EXPECT_EQ(lumo::CalculateSoulUrge(std::string(std::size_t{1} << 20, 'U'), "", ""), 3);
}

// Long parts are scanned in blocks with a byte-by-byte remainder: a single vowel must count
// wherever it stands, and a single Y must count when nothing else scores.
TEST(SoulUrge, EveryPositionOfALongNameCounts)
{
    constexpr std::size_t kLength = 1500;
    for (std::size_t position = 0; position < kLength; ++position) {
        std::string name(kLength, 'N');
        name[position] = 'E';
        ASSERT_EQ(lumo::CalculateSoulUrge(name, "", ""), 5) << position;
        name[position] = 'Y';
        ASSERT_EQ(lumo::CalculateSoulUrge("", name, ""), 7) << position;
    }
}

// Every byte value 0 to 255 once per round; only the five capital vowels score: 24 a round.
TEST(SoulUrge, OnlyTheFiveCapitalVowelsScoreAmongAllBytes)
{
    std::string allBytes;
    for (int byte = 0; byte < 256; ++byte) {
        allBytes.push_back(static_cast<char>(byte));
    }
    std::string name;
    for (const std::int16_t expected : {6, 3, 9, 6, 3, 9, 6}) { // 24, 48, 72, 96, 120, 144, 168
        name += allBytes;
        EXPECT_EQ(lumo::CalculateSoulUrge(name, "", ""), expected) << name.size();
    }
}

} // namespace
