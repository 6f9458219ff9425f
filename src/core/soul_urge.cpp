#include "core/soul_urge.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace lumo {
namespace {

constexpr std::int64_t kFirstMaster = 11;
constexpr std::int64_t kSecondMaster = 22;
constexpr std::int64_t kDecimalBase = 10;

// All ones when `byte` is `letter`, else zero: lets the scoring loops select values without
// branches, so the compiler can turn them into vector compares.
constexpr std::uint8_t MatchMask(unsigned char byte, unsigned char letter) noexcept
{
    return static_cast<std::uint8_t>(0U - static_cast<unsigned>(byte == letter));
}

// First pass: the value of a capital ASCII vowel, 0 for any other byte. The bytes of a multi-byte
// UTF-8 letter are all 0x80 or above, so they never match.
constexpr std::uint8_t VowelValue(unsigned char byte) noexcept
{
    return static_cast<std::uint8_t>((MatchMask(byte, 'A') & 1U) | (MatchMask(byte, 'E') & 5U) |
                                     (MatchMask(byte, 'I') & 9U) | (MatchMask(byte, 'O') & 6U) |
                                     (MatchMask(byte, 'U') & 3U));
}

// Second pass, only for a name without vowels: a capital Y counts 7.
constexpr std::uint8_t YValue(unsigned char byte) noexcept
{
    return static_cast<std::uint8_t>(MatchMask(byte, 'Y') & 7U);
}

constexpr std::uint8_t kLargestValue = 9;
// Bytes are summed in 16 byte-wide lanes; a lane takes this many values before it could overflow.
constexpr std::size_t kLaneCount = 16;
constexpr std::size_t kRoundsPerLane = 255 / kLargestValue;
constexpr std::size_t kChunkSize = kLaneCount * kRoundsPerLane;

// The same values as a table, for the byte-by-byte remainder, where a lookup beats five compares.
template <std::uint8_t (*value)(unsigned char) noexcept>
constexpr std::array<std::uint8_t, 256> kValueTable = [] {
    std::array<std::uint8_t, 256> table{};
    for (std::size_t byte = 0; byte < table.size(); ++byte) {
        table[byte] = value(static_cast<unsigned char>(byte));
    }
    return table;
}();

// Adds `value` over every byte of `text`. Whole chunks go through fixed-size byte lanes, which the
// compiler vectorises; the remainder is looked up one byte at a time. At most 9 a byte, the 64-bit
// total cannot overflow for any text that fits in memory.
template <std::uint8_t (*value)(unsigned char) noexcept>
std::int64_t SumValues(std::string_view text) noexcept
{
    const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
    std::size_t remaining = text.size();
    std::int64_t total = 0;
    for (; remaining >= kChunkSize; remaining -= kChunkSize, bytes += kChunkSize) {
        std::uint8_t lanes[kLaneCount] = {};
        for (std::size_t round = 0; round < kRoundsPerLane; ++round) {
            for (std::size_t lane = 0; lane < kLaneCount; ++lane) {
                lanes[lane] = static_cast<std::uint8_t>(lanes[lane] +
                                                        value(bytes[round * kLaneCount + lane]));
            }
        }
        std::uint32_t chunkTotal = 0;
        for (const std::uint8_t laneTotal : lanes) {
            chunkTotal += laneTotal;
        }
        total += chunkTotal;
    }
    for (std::size_t i = 0; i < remaining; ++i) {
        total += kValueTable<value>[bytes[i]];
    }
    return total;
}

// The joined name puts nothing between its parts, so scoring the parts in turn scores the join.
template <std::uint8_t (*value)(unsigned char) noexcept>
std::int64_t SumName(std::string_view first, std::string_view middle,
                     std::string_view last) noexcept
{
    return SumValues<value>(first) + SumValues<value>(middle) + SumValues<value>(last);
}

constexpr std::int64_t DigitSum(std::int64_t n) noexcept
{
    std::int64_t sum = 0;
    for (; n > 0; n /= kDecimalBase) {
        sum += n % kDecimalBase;
    }
    return sum;
}

// One reduction step: a number of two or more digits becomes its first digit plus its last.
constexpr std::int64_t FirstPlusLastDigit(std::int64_t n) noexcept
{
    if (n < kDecimalBase) {
        return n;
    }
    const std::int64_t last = n % kDecimalBase;
    while (n >= kDecimalBase) {
        n /= kDecimalBase;
    }
    return n + last;
}

} // namespace

std::int16_t CalculateSoulUrge(std::string_view first, std::string_view middle,
                               std::string_view last) noexcept
{
    // Each part is to be trimmed of leading and trailing U+0020, but a blank scores nothing, so
    // trimming cannot change the total and the parts are scored as they stand.
    std::int64_t total = SumName<VowelValue>(first, middle, last);
    if (total == 0) {
        total = SumName<YValue>(first, middle, last);
    }
    return ReduceNumber(total);
}

std::int16_t ReduceNumber(std::int64_t& total) noexcept
{
    // A vowel total is never negative; anything below zero is treated as no total at all.
    if (total < 0) {
        total = 0;
    }
    if (total != kFirstMaster && total != kSecondMaster) {
        // The digit sum is at most 170, so two steps of first plus last digit leave 1 to 9.
        total = FirstPlusLastDigit(FirstPlusLastDigit(DigitSum(total)));
    }
    return static_cast<std::int16_t>(total);
}

} // namespace lumo
