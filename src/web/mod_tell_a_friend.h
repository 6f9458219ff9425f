#pragma once

#include "web/web_texts.h"

#include <QString>

class QWidget;

namespace lumo::platform {
class UserMessages;
}

namespace lumo::modHelp {
class PageLauncher;
}

namespace lumo::modTellAFriend {

// The five values of a referral, each as typed with leading and trailing blanks removed.
struct ReferralRecord {
    QString senderName, senderEmail, message, friendName, friendEmail;
};

// Takes the texts of the exit screen's boxes, removing leading and trailing spaces (U+0020
// only: tabs, carriage returns and line feeds stay).
[[nodiscard]] ReferralRecord CaptureReferral(const QString& name, const QString& email,
                                             const QString& message, const QString& friendName,
                                             const QString& friendEmail);

// The message of the first failing e-mail check, or an empty text when both addresses pass.
[[nodiscard]] QString CheckEmailAddresses(const ReferralRecord& record);
// The message of the first missing name, message or friend's name, or an empty text.
[[nodiscard]] QString CheckOtherFields(const ReferralRecord& record);

// The request to the maker's site. Every field value is percent-encoded as UTF-8, so that no
// character of a value can add a field, cut the address or be mangled on the way.
[[nodiscard]] QString BuildReferralAddress(const ReferralRecord& record);

// Checks the name, message and friend's name, then opens the request. A failing check shows
// its message (critical icon, OK) and opens nothing.
void SendReferral(const ReferralRecord& record, platform::UserMessages& messages,
                  modHelp::PageLauncher& launcher, QWidget* parent);
// The refer-a-friend button: checks the e-mail addresses first, then SendReferral.
void SubmitReferral(const ReferralRecord& record, platform::UserMessages& messages,
                    modHelp::PageLauncher& launcher, QWidget* parent);

} // namespace lumo::modTellAFriend
