#include "web/mod_tell_a_friend.h"

#include "common/qt_text.h"
#include "platform/user_messages.h"
#include "web/mod_help.h"
#include "web/site_addresses.h"

#include <QByteArray>
#include <array>
#include <string_view>

namespace lumo::modTellAFriend {

namespace {
constexpr QChar kAt = QLatin1Char('@');
constexpr QChar kDot = QLatin1Char('.');

// The record's values are already trimmed (CaptureReferral).
bool isMissing(const QString& value, QLatin1String placeholder)
{
    return value.isEmpty() || value == placeholder;
}

// Every byte of the UTF-8 form except A-Z a-z 0-9 - . _ ~ becomes %XX.
QString encodeValue(const QString& value)
{
    return QString::fromLatin1(value.toUtf8().toPercentEncoding());
}

void showCritical(platform::UserMessages& messages, QWidget* parent, const QString& text)
{
    messages.show(parent, text, applicationTitle(), platform::MessageIcon::Critical,
                  platform::MessageButtons::Ok);
}
} // namespace

ReferralRecord CaptureReferral(const QString& name, const QString& email, const QString& message,
                               const QString& friendName, const QString& friendEmail)
{
    return {trimSpaces(name), trimSpaces(email), trimSpaces(message), trimSpaces(friendName),
            trimSpaces(friendEmail)};
}

QString CheckEmailAddresses(const ReferralRecord& record)
{
    const QString& sender = record.senderEmail;
    const QString& recipient = record.friendEmail;
    if (sender == recipient) {
        return kDistinctEmailMessage;
    }
    if (!sender.contains(kAt) || !recipient.contains(kAt)) {
        return kProperEmailMessage;
    }
    if (!sender.contains(kDot) || !recipient.contains(kDot)) {
        return kProperEmailMessage;
    }
    return {};
}

QString CheckOtherFields(const ReferralRecord& record)
{
    if (isMissing(record.senderName, kNamePlaceholder)) {
        return kNameMissingMessage;
    }
    if (isMissing(record.message, kMessagePlaceholder)) {
        return kMessageMissingMessage;
    }
    if (isMissing(record.friendName, kFriendNamePlaceholder)) {
        return kFriendNameMissingMessage;
    }
    return {};
}

QString BuildReferralAddress(const ReferralRecord& record)
{
    const std::array<QString, site::kReferralFields.size()> values{
        record.senderName, record.senderEmail, record.message,
        record.friendName, record.friendEmail, modHelp::ProductFolderAddress()};
    QString address = toQString(site::kReferAFriendAddress.view());
    for (std::size_t i = 0; i < values.size(); ++i) {
        address += toQString(site::kFieldSeparator.view()) + toQString(site::kReferralFields[i]) +
                   toQString(site::kFieldAssignment.view()) + encodeValue(values[i]);
    }
    return address;
}

void SendReferral(const ReferralRecord& record, platform::UserMessages& messages,
                  modHelp::PageLauncher& launcher, QWidget* parent)
{
    if (const QString failure = CheckOtherFields(record); !failure.isEmpty()) {
        showCritical(messages, parent, failure);
        return;
    }
    launcher.OpenWebAddress(BuildReferralAddress(record));
}

void SubmitReferral(const ReferralRecord& record, platform::UserMessages& messages,
                    modHelp::PageLauncher& launcher, QWidget* parent)
{
    if (const QString failure = CheckEmailAddresses(record); !failure.isEmpty()) {
        showCritical(messages, parent, failure);
        return;
    }
    SendReferral(record, messages, launcher, parent);
}

} // namespace lumo::modTellAFriend
