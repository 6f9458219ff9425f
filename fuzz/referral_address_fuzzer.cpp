// The refer-a-friend address for any five box texts: exactly the fields page, taf1 to taf6 in
// that order, no character outside the unreserved set and %XX, and each field decoding to its
// exact value: the page key, the five texts with leading and trailing spaces removed, and the
// product folder address. A request longer than the browser can be handed is refused, never cut.

#include "fuzz/fuzz_check.h"
#include "web/mod_tell_a_friend.h"
#include "web/web_texts.h"

#include <QByteArray>
#include <QString>
#include <algorithm>
#include <array>
#include <cstdint>
#include <fuzzer/FuzzedDataProvider.h>
#include <optional>
#include <string>
#include <string_view>

namespace {

constexpr std::string_view kSiteBase = LUMO_SITE_BASE;
constexpr std::string_view kProductFolder = "/lumo-free-soul-urge-number/";
constexpr std::string_view kScript = "ssd.php?";
constexpr std::array<std::string_view, 7> kFieldNames{"page", "taf1", "taf2", "taf3",
                                                      "taf4", "taf5", "taf6"};

bool IsUnreserved(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '.' || c == '_' || c == '~';
}

int HexValue(char c)
{
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return -1;
}

// The bytes a field value stands for, or nothing when it holds a character that an address
// value must not carry as it is.
std::optional<std::string> Decode(std::string_view value)
{
    std::string bytes;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (IsUnreserved(value[i])) {
            bytes += value[i];
            continue;
        }
        if (value[i] != '%' || i + 2 >= value.size() || HexValue(value[i + 1]) < 0 ||
            HexValue(value[i + 2]) < 0) {
            return std::nullopt;
        }
        bytes += static_cast<char>(HexValue(value[i + 1]) * 16 + HexValue(value[i + 2]));
        i += 2;
    }
    return bytes;
}

// What a box holding these bytes yields: its text (invalid UTF-8 becomes U+FFFD), as UTF-8,
// without leading and trailing spaces.
std::string Expected(const std::string& typed)
{
    const QByteArray utf8 = QString::fromUtf8(typed.data(), qsizetype(typed.size())).toUtf8();
    std::string_view text(utf8.constData(), std::size_t(utf8.size()));
    while (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
    while (!text.empty() && text.back() == ' ') {
        text.remove_suffix(1);
    }
    return std::string(text);
}

void CheckAddress(const QString& address, const std::array<std::string, 7>& expected)
{
    const QByteArray bytes = address.toUtf8();
    LUMO_FUZZ_CHECK(bytes.size() == address.size(), "non-ASCII character in the address");
    std::string_view rest(bytes.constData(), std::size_t(bytes.size()));

    std::string prefix(kSiteBase);
    prefix.append(kProductFolder).append(kScript);
    LUMO_FUZZ_CHECK(rest.substr(0, prefix.size()) == prefix, "address starts %.*s",
                    int(std::min(rest.size(), prefix.size())), rest.data());
    rest.remove_prefix(prefix.size());

    for (std::size_t field = 0; field < kFieldNames.size(); ++field) {
        const std::size_t end = rest.find('&');
        const std::string_view pair = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
        LUMO_FUZZ_CHECK((end == std::string_view::npos) == (field + 1 == kFieldNames.size()),
                        "field %zu: expected 7 fields", field);

        const std::size_t equals = pair.find('=');
        LUMO_FUZZ_CHECK(equals != std::string_view::npos, "field %zu has no '='", field);
        LUMO_FUZZ_CHECK(pair.substr(0, equals) == kFieldNames[field], "field %zu is named %.*s",
                        field, int(equals), pair.data());
        const std::optional<std::string> value = Decode(pair.substr(equals + 1));
        LUMO_FUZZ_CHECK(value.has_value(), "field %zu carries an unencoded character", field);
        LUMO_FUZZ_CHECK(*value == expected[field], "field %zu decodes to %s, expected %s", field,
                        value->c_str(), expected[field].c_str());
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    // Up to Windows' 2,048 characters, so that seeds meet both sides of the limit.
    const auto longestAddress = input.ConsumeIntegralInRange<qsizetype>(0, 2047);
    std::array<std::string, 5> typed;
    for (std::size_t i = 0; i + 1 < typed.size(); ++i) {
        typed[i] = input.ConsumeRandomLengthString();
    }
    typed.back() = input.ConsumeRemainingBytesAsString();
    const auto box = [](const std::string& text) {
        return QString::fromUtf8(text.data(), qsizetype(text.size()));
    };

    // Box order: name, e-mail, message, friend's name, friend's e-mail; the fields carry them as
    // taf1 to taf5.
    const auto record = lumo::modTellAFriend::captureReferral(
        box(typed[0]), box(typed[1]), box(typed[2]), box(typed[3]), box(typed[4]));
    std::array<std::string, 7> expected{"lumo-refer-a-friend"};
    for (std::size_t i = 0; i < typed.size(); ++i) {
        expected[i + 1] = Expected(typed[i]);
    }
    expected.back() = std::string(kSiteBase) + std::string(kProductFolder);

    const QString address = lumo::modTellAFriend::buildReferralAddress(record);
    CheckAddress(address, expected);

    // The button's way: a failing check's message and no address, or that same address, which
    // then fits the limit; one too long for the limit is refused with its own message.
    const auto outcome = lumo::modTellAFriend::submitReferral(record, longestAddress);
    LUMO_FUZZ_CHECK(outcome.failure.isEmpty() != outcome.address.isEmpty(),
                    "a message and an address at once, or neither");
    if (!outcome.address.isEmpty()) {
        LUMO_FUZZ_CHECK(outcome.address == address, "the button sends another address");
        LUMO_FUZZ_CHECK(address.size() <= longestAddress, "%lld characters sent, limit %lld",
                        static_cast<long long>(address.size()),
                        static_cast<long long>(longestAddress));
    } else if (outcome.failure ==
               QString::fromUtf8(lumo::modTellAFriend::kReferralTooLongMessage)) {
        LUMO_FUZZ_CHECK(address.size() > longestAddress, "%lld characters refused, limit %lld",
                        static_cast<long long>(address.size()),
                        static_cast<long long>(longestAddress));
    }
    return 0;
}
