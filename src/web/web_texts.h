#pragma once

// The texts that the web module shows or compares with, each named once, as UTF-8 (toQString of
// common/qt_text.h turns them into QString).

namespace lumo::modTellAFriend {

// Placeholder texts of the exit screen's refer-a-friend boxes.
inline constexpr char kNamePlaceholder[] = "Your Name";
inline constexpr char kEmailPlaceholder[] = "Your Email Address";
inline constexpr char kMessagePlaceholder[] = "Your Message";
inline constexpr char kFriendNamePlaceholder[] = "Friend's Name";
inline constexpr char kFriendEmailPlaceholder[] = "Friend's Email Address";

inline constexpr char kDistinctEmailMessage[] = "Please Enter Distinct Email Addresses";
inline constexpr char kProperEmailMessage[] = "Please Enter Proper Email Address";
inline constexpr char kNameMissingMessage[] = "Please Enter Your Name";
inline constexpr char kMessageMissingMessage[] = "Please Enter Your Message";
inline constexpr char kFriendNameMissingMessage[] = "Please Enter Your Friend's Name";
// Shown when the request would be too long for the browser to receive whole.
inline constexpr char kReferralTooLongMessage[] =
    "Your Referral Is Too Long To Send. Please Shorten Your Message";
// Shown when a space is typed into either e-mail box; the keystroke is dropped.
inline constexpr char kEmailSpaceMessage[] = "Email Address Cannot Contain Space";

} // namespace lumo::modTellAFriend

namespace lumo::modHelp {

// Shown, with the address below it to copy, when the desktop could not open a page.
inline constexpr char kPageNotOpened[] =
    "The Page Could Not Be Opened In Your Web Browser. You Can Copy Its Address From Below";

// The update reminder's question; its two sentences are parted by a lone carriage return.
inline constexpr char kUpdateQuestion[] = "There maybe an update to this software available"
                                          "\r"
                                          "Do you want to check for an update?";

// Shown, with the settings file (or registry key) below it, when the reminder has asked and the
// date of the question could not be stored: the question would otherwise come at every start.
inline constexpr char kReminderDateNotStored[] =
    "The Date Of This Update Reminder Could Not Be Saved In The File Below, So The Reminder Will "
    "Ask Again At The Next Start. Check That The File Can Be Written";

} // namespace lumo::modHelp
