#pragma once

#include <cstddef>
#include <string_view>

namespace lumo::site {

// A string of N characters held by value, so that addresses can be composed from their parts
// while compiling: `FixedString{"a"} + "b"` is a constant "ab".
template <std::size_t N> struct FixedString final {
    char chars[N + 1]{};

    constexpr FixedString() = default;
    constexpr FixedString(const char (&text)[N + 1])
    {
        for (std::size_t i = 0; i < N; ++i) {
            chars[i] = text[i];
        }
    }

    [[nodiscard]] constexpr std::string_view view() const { return {chars, N}; }
    [[nodiscard]] static constexpr std::size_t size() { return N; }
};

template <std::size_t M> FixedString(const char (&)[M]) -> FixedString<M - 1>;

template <std::size_t A, std::size_t B>
[[nodiscard]] constexpr FixedString<A + B> operator+(const FixedString<A>& left,
                                                     const FixedString<B>& right)
{
    FixedString<A + B> result;
    for (std::size_t i = 0; i < A; ++i) {
        result.chars[i] = left.chars[i];
    }
    for (std::size_t i = 0; i < B; ++i) {
        result.chars[A + i] = right.chars[i];
    }
    return result;
}

template <std::size_t A, std::size_t M>
[[nodiscard]] constexpr auto operator+(const FixedString<A>& left, const char (&right)[M])
{
    return left + FixedString<M - 1>(right);
}

} // namespace lumo::site
