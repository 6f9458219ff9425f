#pragma once

// The texts of start-up and of the exit screen's own controls. The referral form's placeholders and
// messages are in web/web_texts.h, the captions the windows share in ui/ui_texts.h.

namespace lumo::app::texts {

inline constexpr char kAlreadyRunning[] = "Application is already running";

// Exit screen
inline constexpr char kSoftwaresFrame[] = "Download Starwell Softwares";
inline constexpr char kGoToHome[] = "Click Here To Visit Starwell Softwares";
inline constexpr char kReferFrame[] = "Refer A Friend";
inline constexpr char kSubmit[] = "Refer A Friend &Now";
inline constexpr char kVisitNow[] = "Click Here To Visit Starwell Now";
// The most characters a referral box takes; longer text is refused whole, with this message.
inline constexpr int kLongestReferralValue = 1000;
inline constexpr char kReferralValueTooLong[] =
    "Please Enter A Shorter Text (At Most %1 Characters)";

// The product-line blurb: two paragraphs, the second pushed onto a new line by a run of 61 blanks.
inline constexpr char kProductLine[] =
    "If you have enjoyed this software you will surely be interested in our other Starwell "
    "Softwares. What began as a single program has grown into the largest source of such software "
    "anywhere, covering astrology, psychic subjects, tarot, numerology and the occult, with new "
    "titles added all the time."
    "                                                             "
    "All programs of the Starwell Softwares suite are simple, easy, fun and informative, and each "
    "one opens a new window onto the mysteries of life. Try them today and share the experiences "
    "with your friends and your family, and discover together what the stars hold.";

// Support texts, one drawn at random when the exit screen loads.
inline constexpr const char* kSupportTexts[] = {
    "Starwell Softwares, such as this can be created and maintained only with your support. The "
    "best way to support Starwell is to visit the site regularly and take part in the discussions "
    "and other activities on the board.",
    "Visit Starwell regularly. Support Starwell by taking part in the discussions and other "
    "activities. These softwares cannot be supported and maintained, without you regularly "
    "visiting Starwell",
    "Starwell is a FREE online discussion forum for all things mystic. To help Starwell develop "
    "and maintain this software visit Starwell regularly.",
    "Starwell needs your help. All you need to do is visit Starwell regularly and take part in the "
    "various discussions and activites to help us maintain and develop more Starwell Softwares.",
};

} // namespace lumo::app::texts
