#pragma once

#include "web/web_texts.h"

#include <QString>

namespace lumo::modTellAFriend {

// The five values of a referral, each as typed with leading and trailing blanks removed.
struct ReferralRecord {
    QString senderName, senderEmail, message, friendName, friendEmail;
};

// Takes the texts of the exit screen's boxes, removing leading and trailing spaces (U+0020
// only: tabs, carriage returns and line feeds stay).
[[nodiscard]] ReferralRecord captureReferral(const QString& name, const QString& email,
                                             const QString& message, const QString& friendName,
                                             const QString& friendEmail);

// The message of the first failing e-mail check, or an empty text when both addresses pass.
[[nodiscard]] QString checkEmailAddresses(const ReferralRecord& record);
// The message of the first missing name, message or friend's name, or an empty text.
[[nodiscard]] QString checkOtherFields(const ReferralRecord& record);

// The request to the maker's site. Every field value is percent-encoded as UTF-8, so that no
// character of a value can add a field, cut the address or be mangled on the way.
[[nodiscard]] QString buildReferralAddress(const ReferralRecord& record);

// What the refer-a-friend button leads to: the message of the first failing check, to be shown
// with the critical icon, or, when every check passes, the request address to open.
struct ReferralOutcome {
    QString failure;
    QString address;
};

// Checks the name, message and friend's name, then builds the request. A request longer than
// `longestAddress` characters could not reach the browser whole, so it is refused with a message
// of its own rather than dropped on the way.
[[nodiscard]] ReferralOutcome SendReferral(const ReferralRecord& record, qsizetype longestAddress);
// The refer-a-friend button: checks the e-mail addresses first, then SendReferral.
[[nodiscard]] ReferralOutcome submitReferral(const ReferralRecord& record,
                                             qsizetype longestAddress);

} // namespace lumo::modTellAFriend
