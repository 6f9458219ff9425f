// CalculateSoulUrge against a plain reading of the scoring rules: trim each part of spaces, join
// the parts, add A 1, E 5, I 9, O 6, U 3; only when that gives 0, add 7 per Y; then reduce (11
// and 22 stay; otherwise the digit sum, then at most twice first digit plus last digit).

#include "core/soul_urge.h"
#include "fuzz/fuzz_check.h"

#include <cstdint>
#include <fuzzer/FuzzedDataProvider.h>
#include <string>
#include <string_view>

namespace {

std::string_view TrimSpaces(std::string_view part)
{
    while (!part.empty() && part.front() == ' ') {
        part.remove_prefix(1);
    }
    while (!part.empty() && part.back() == ' ') {
        part.remove_suffix(1);
    }
    return part;
}

std::int64_t VowelTotal(const std::string& joined)
{
    std::int64_t total = 0;
    for (const char c : joined) {
        switch (c) {
        case 'A':
            total += 1;
            break;
        case 'E':
            total += 5;
            break;
        case 'I':
            total += 9;
            break;
        case 'O':
            total += 6;
            break;
        case 'U':
            total += 3;
            break;
        default:
            break;
        }
    }
    if (total == 0) {
        for (const char c : joined) {
            total += c == 'Y' ? 7 : 0;
        }
    }
    return total;
}

int Digit(char c)
{
    return c - '0';
}

// "If n has two or more decimal digits, its first digit plus its last digit", on the written
// number.
std::int64_t FirstPlusLast(std::int64_t n)
{
    const std::string digits = std::to_string(n);
    return digits.size() >= 2 ? Digit(digits.front()) + Digit(digits.back()) : n;
}

std::int64_t ReferenceReduce(std::int64_t total)
{
    if (total == 11 || total == 22) {
        return total;
    }
    std::int64_t digitSum = 0;
    for (const char c : std::to_string(total)) {
        digitSum += Digit(c);
    }
    return FirstPlusLast(FirstPlusLast(digitSum));
}

bool IsSoulUrgeNumber(std::int64_t n)
{
    return (n >= 0 && n <= 9) || n == 11 || n == 22;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    const std::string first = input.ConsumeRandomLengthString();
    const std::string middle = input.ConsumeRandomLengthString();
    const std::string last = input.ConsumeRemainingBytesAsString();

    std::string joined;
    joined.append(TrimSpaces(first)).append(TrimSpaces(middle)).append(TrimSpaces(last));
    const std::int64_t total = VowelTotal(joined);
    const std::int64_t expected = ReferenceReduce(total);

    const std::int16_t number = lumo::CalculateSoulUrge(first, middle, last);
    LUMO_FUZZ_CHECK(number == expected, "total %lld: got %d, expected %lld",
                    static_cast<long long>(total), number, static_cast<long long>(expected));
    LUMO_FUZZ_CHECK(IsSoulUrgeNumber(number), "%d", number);

    std::int64_t argument = total;
    const std::int16_t reduced = lumo::ReduceNumber(argument);
    LUMO_FUZZ_CHECK(reduced == expected && argument == expected,
                    "ReduceNumber(%lld) returned %d and left %lld", static_cast<long long>(total),
                    reduced, static_cast<long long>(argument));
    return 0;
}
