#include "core/soul_urge.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <ostream>
#include <utility>

namespace {

struct Reduction {
    std::int64_t total;
    std::int16_t expected;
};

void PrintTo(const Reduction& entry, std::ostream* os)
{
    *os << "total " << entry.total;
}

class ReduceNumberTable : public ::testing::TestWithParam<Reduction> {};

TEST_P(ReduceNumberTable, ReturnsAndWritesBackTheReducedValue)
{
    std::int64_t total = GetParam().total;
    EXPECT_EQ(lumo::ReduceNumber(total), GetParam().expected);
    EXPECT_EQ(total, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    SelectedTotals, ReduceNumberTable,
    ::testing::Values(Reduction{0, 0}, Reduction{7, 7}, Reduction{9, 9}, Reduction{10, 1},
                      Reduction{11, 11}, Reduction{19, 1}, Reduction{22, 22}, Reduction{29, 2},
                      Reduction{33, 6}, Reduction{38, 2}, Reduction{47, 2}, Reduction{56, 2},
                      Reduction{65, 2}, Reduction{74, 2}, Reduction{83, 2}, Reduction{92, 2},
                      Reduction{99, 9}, Reduction{199, 1}, Reduction{499, 4}, Reduction{2999, 2},
                      Reduction{32767, 7}, Reduction{36000, 9},
                      // Digit sums of three digits: 119 -> 1 + 9 = 10 -> 1, not 1 + 1 + 9.
                      Reduction{29'999'999'999'999, 1}, Reduction{999'999'999'999, 9},
                      Reduction{std::numeric_limits<std::int64_t>::max(), 7}));

// Every total of up to four digits, among them every one whose digit sum is itself 11 or 22 or
// reduces through them (29, 499, 2999), and the largest totals, where a digit sum could overflow.
// Larger totals are covered through their digit sums below.
TEST(ReduceNumber, OnlyTheTotalsElevenAndTwentyTwoStayAboveNine)
{
    constexpr std::int64_t kLargest = std::numeric_limits<std::int64_t>::max();
    for (const auto& [first, last] :
         {std::pair{std::int64_t{1}, std::int64_t{9'999}}, std::pair{kLargest - 9'999, kLargest}}) {
        for (std::int64_t total = first;; ++total) {
            std::int64_t reduced = total;
            const std::int16_t result = lumo::ReduceNumber(reduced);
            if (total == 11 || total == 22) {
                ASSERT_EQ(result, total);
            } else {
                ASSERT_GE(result, 1) << total;
                ASSERT_LE(result, 9) << total;
            }
            if (total == last) {
                break; // before the step past the largest total would overflow
            }
        }
    }
}

// The result depends only on the digit sum, and a 64-bit total has a digit sum of at most 170
// (8 followed by eighteen 9s). The smallest total of each digit sum covers them all.
TEST(ReduceNumber, EveryPossibleDigitSumGivesOneToNine)
{
    for (int digitSum = 1; digitSum <= 170; ++digitSum) {
        std::int64_t total = digitSum % 9;
        for (int nines = digitSum / 9; nines > 0; --nines) {
            total = total * 10 + 9;
        }
        const std::int16_t result = lumo::ReduceNumber(total);
        EXPECT_GE(result, 1) << digitSum;
        EXPECT_LE(result, 9) << digitSum;
    }
}

TEST(ReduceNumber, NegativeTotalsReduceToZero)
{
    for (std::int64_t total : {std::int64_t{-1}, std::int64_t{-11}, std::int64_t{-22},
                               std::numeric_limits<std::int64_t>::min()}) {
        EXPECT_EQ(lumo::ReduceNumber(total), 0);
        EXPECT_EQ(total, 0);
    }
}

} // namespace
