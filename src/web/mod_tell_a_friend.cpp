#include "web/mod_tell_a_friend.h"

#include "common/qt_text.h"
#include "web/mod_help.h"
#include "web/site_addresses.h"

#include <QByteArray>
#include <array>
#include <string_view>

namespace lumo::modTellAFriend {

namespace {
constexpr QChar kAt = QLatin1Char('@');
constexpr QChar kDot = QLatin1Char('.');

// The record's values are already trimmed (captureReferral).
bool isMissing(const QString& value, const char* placeholder)
{
    return value.isEmpty() || value == toQString(placeholder);
}

// Every byte of the UTF-8 form except A-Z a-z 0-9 - . _ ~ becomes %XX.
QString encodeValue(const QString& value)
{
    return QString::fromLatin1(value.toUtf8().toPercentEncoding());
}
} // namespace

ReferralRecord captureReferral(const QString& name, const QString& email, const QString& message,
                               const QString& friendName, const QString& friendEmail)
{
    return {trimSpaces(name), trimSpaces(email), trimSpaces(message), trimSpaces(friendName),
            trimSpaces(friendEmail)};
}

QString checkEmailAddresses(const ReferralRecord& record)
{
    const QString& sender = record.senderEmail;
    const QString& recipient = record.friendEmail;
    if (sender == recipient) {
        return toQString(kDistinctEmailMessage);
    }
    if (!sender.contains(kAt) || !recipient.contains(kAt)) {
        return toQString(kProperEmailMessage);
    }
    if (!sender.contains(kDot) || !recipient.contains(kDot)) {
        return toQString(kProperEmailMessage);
    }
    return {};
}

QString checkOtherFields(const ReferralRecord& record)
{
    if (isMissing(record.senderName, kNamePlaceholder)) {
        return toQString(kNameMissingMessage);
    }
    if (isMissing(record.message, kMessagePlaceholder)) {
        return toQString(kMessageMissingMessage);
    }
    if (isMissing(record.friendName, kFriendNamePlaceholder)) {
        return toQString(kFriendNameMissingMessage);
    }
    return {};
}

QString buildReferralAddress(const ReferralRecord& record)
{
    const std::array<QString, site::kReferralFields.size()> values{
        record.senderName, record.senderEmail, record.message,
        record.friendName, record.friendEmail, modHelp::productFolderAddress()};
    QString address = toQString(site::kReferAFriendAddress.view());
    for (std::size_t i = 0; i < values.size(); ++i) {
        address += toQString(site::kFieldSeparator.view()) + toQString(site::kReferralFields[i]) +
                   toQString(site::kFieldAssignment.view()) + encodeValue(values[i]);
    }
    return address;
}

ReferralOutcome SendReferral(const ReferralRecord& record, qsizetype longestAddress)
{
    if (QString failure = checkOtherFields(record); !failure.isEmpty()) {
        return {.failure = std::move(failure), .address = {}};
    }
    QString address = buildReferralAddress(record);
    if (address.size() > longestAddress) {
        return {.failure = toQString(kReferralTooLongMessage), .address = {}};
    }
    return {.failure = {}, .address = std::move(address)};
}

ReferralOutcome submitReferral(const ReferralRecord& record, qsizetype longestAddress)
{
    if (QString failure = checkEmailAddresses(record); !failure.isEmpty()) {
        return {.failure = std::move(failure), .address = {}};
    }
    return SendReferral(record, longestAddress);
}

} // namespace lumo::modTellAFriend
