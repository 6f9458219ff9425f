#pragma once

// Every text the windows show, in one place; the referral form's placeholders and messages, which
// the request checks too, are in web/web_texts.h.

namespace lumo::ui::texts {

// Main window
inline constexpr char kFraName[] = "Please Fill In The Below Details:";
inline constexpr char kFraBirthDay[] = "Date Of Birth";
inline constexpr char kFirstName[] = "First Name";
inline constexpr char kMiddleName[] = "Middle Name";
inline constexpr char kLastName[] = "Last Name";
inline constexpr char kMonth[] = "Month";
inline constexpr char kDay[] = "Day";
inline constexpr char kYear[] = "Year";
// Both the button and the File menu entry.
inline constexpr char kNext[] = "&Next";
inline constexpr char kExit[] = "E&xit";

inline constexpr const char* kMonths[] = {"January",   "February", "March",    "April",
                                          "May",       "June",     "July",     "August",
                                          "September", "October",  "November", "December"};
inline constexpr int kFirstYear = 1900;
inline constexpr int kLastYear = 2050;
inline constexpr int kDaysInLongestMonth = 31;

// Menus
inline constexpr char kMenuFile[] = "&File";
inline constexpr char kMenuHelp[] = "&Help";
inline constexpr char kMenuOnline[] = "&Online Help";
inline constexpr char kMenuVisit[] = "&Visit Us Online";
inline constexpr char kMenuUpdate[] = "&Check for Software Update";
inline constexpr char kMenuAbout[] = "&About Software";
inline constexpr char kMenuDonate[] = "&Donate";

// Entry checks
inline constexpr char kEnterFirstName[] = "Please Enter Your First Name";
inline constexpr char kEnterLastName[] = "Please Enter Your Last Name";
inline constexpr char kSpecifyDate[] = "Please Specify Your Birth Date";
inline constexpr char kSpecifyMonth[] = "Please Specify Your Birth Month";
inline constexpr char kSpecifyYear[] = "Please Specify Your Birth Year";
inline constexpr char kWrongFebruaryDay[] = "Please Enter Correct Date Or Month!";
inline constexpr char kWrongThirtyFirst[] = "Please Enter Correct Date Or Month !";

// The joined name (first, middle and last, with nothing between them) scores as usual up to this
// many characters; each of the three boxes takes an equal share, with room left for a one-character
// separator between the parts, so the whole name stays within it however it is joined. Longer text
// is refused whole, with this message; nothing is cut.
inline constexpr int kLongestJoinedName = 32767;
inline constexpr int kNameParts = 3;
inline constexpr int kLongestNamePart = (kLongestJoinedName - (kNameParts - 1)) / kNameParts;
static_assert(kLongestNamePart == 10921);
inline constexpr char kNameTooLong[] = "Please Enter A Shorter Name (At Most %1 Characters)";

// The picture boxes that show the application icon.
inline constexpr char kIconName[] = "Lumo Soul Urge Number icon";

// Result window
inline constexpr char kBack[] = "&Back";
inline constexpr char kReportName[] = "Soul Urge Report";

// Promotion labels; "&&" shows as one ampersand.
inline constexpr char kForumBanner[] =
    "The Most Popular Online Mystic Discussion Board. Best Resource For Everything Mystic. "
    "Visit Starwell Now";
inline constexpr char kCoBrandOffer[] =
    "Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your "
    "site's name &&  link here. See \"Help\" for details.Click Here for more info on co-branding.";
inline constexpr char kFullBrandOffer[] =
    "Home Business Opportunity. Start your own Internet business and make money online. Get this "
    "software fully branded for your website. Click here for more details.";

// About window
inline constexpr char kAboutDescription[] =
    "Lumo Soul Urge Number Software tells about your inner desires, urges, likes and dislikes. "
    "Each letter of your name stands for a digit, and adding those digits up gives your Soul "
    "Urge number. In this way the software shows you what you value most in life.";
inline constexpr char kAboutCoBrandLink[] = "Click here for more details.";
inline constexpr char kAboutHomeBusiness[] =
    "Home Business Opportunity. Start your own Internet business and make money online. Get this "
    "software fully branded for your website. ";
inline constexpr char kAboutHomePageLink[] = "Click here to visit Starwell";
inline constexpr char kOk[] = "OK";

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

} // namespace lumo::ui::texts
