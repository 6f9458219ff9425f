#pragma once

#include <QLatin1String>

// The texts that the web module shows or compares with, each named once. Its message boxes are
// titled with the application title (applicationTitle() of qt_text.h).

namespace lumo::modTellAFriend {

// Placeholder texts of the exit screen's refer-a-friend boxes.
inline constexpr QLatin1String kNamePlaceholder("Your Name");
inline constexpr QLatin1String kEmailPlaceholder("Your Email Address");
inline constexpr QLatin1String kMessagePlaceholder("Your Message");
inline constexpr QLatin1String kFriendNamePlaceholder("Friend's Name");
inline constexpr QLatin1String kFriendEmailPlaceholder("Friend's Email Address");

inline constexpr QLatin1String kDistinctEmailMessage("Please Enter Distinct Email Addresses");
inline constexpr QLatin1String kProperEmailMessage("Please Enter Proper Email Address");
inline constexpr QLatin1String kNameMissingMessage("Please Enter Your Name");
inline constexpr QLatin1String kMessageMissingMessage("Please Enter Your Message");
inline constexpr QLatin1String kFriendNameMissingMessage("Please Enter Your Friend's Name");
// Shown when a space is typed into either e-mail box; the keystroke is dropped.
inline constexpr QLatin1String kEmailSpaceMessage("Email Address Cannot Contain Space");

} // namespace lumo::modTellAFriend

namespace lumo::modHelp {

// The update reminder's question; its two sentences are parted by a lone carriage return.
inline constexpr QLatin1String kUpdateQuestion("There maybe an update to this software available"
                                               "\r"
                                               "Do you want to check for an update?");

} // namespace lumo::modHelp
