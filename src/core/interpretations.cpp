// Every text of the Soul Urge report: the heading, the general paragraph and the interpretation of
// each number. All are plain ASCII, one paragraph each, without line breaks.
#include "core/interpretations.h"

#include "core/report.h"

namespace lumo {
namespace texts {

const std::string_view kReportHeading = "Your Soul Urge Number is:";

const std::string_view kGeneralParagraph =
    "This number tries to close the gap between how you think you are projecting yourself "
    "and the way people see you. This will help improve your relationships and let others "
    "see the real you.";

} // namespace texts

namespace {

constexpr std::string_view kInterpretation1 =
    "You achieve a sense of gratification when you succeed in any type of competition. You "
    "need to feel that you are a winner. You are intelligent and witty, and winning makes "
    "you feel accepted and appreciated. You read the abilities of others well. You are "
    "responsible and a pioneer in your chosen field, and others follow your lead.";

constexpr std::string_view kInterpretation2 =
    "You enclose a deep internal necessitate for love and harmony in your life. Settling "
    "problems through mediation and diplomacy gives you a warm sense of achievement.  You "
    "want peace at any cost. You are sentimental, emotional, sensitive and deeply "
    "intuitive. You dislike aggressiveness and force and keep away from them.";

constexpr std::string_view kInterpretation3 =
    "You achieve a sense of pleasure when you are involved in innovative ventures. Using "
    "your verbal or writing talents to gain status pleases you greatly. You are witty and "
    "creative, and in a crowd you are the centre of attraction. Your social life means a "
    "lot to you and you enjoy the company of friends. Yet you do not use your many talents "
    "to the full, and your concentration may be scattered over too many things at a time.";

constexpr std::string_view kInterpretation4 =
    "At hand there is an ever-present need to consider sheltered and financially secure. "
    "Owing nobody anything and having a strong domestic foundation make you happy. You "
    "feel fulfilled when others recognise your knowledge and your skill. You like order in "
    "your life, and you resist change, preferring what is tried and tested over what is "
    "new. At times, you may be rigid and stubborn in your views.";

constexpr std::string_view kInterpretation5 =
    "The yearning to have complete liberty to be in control of your affairs is principal "
    "in your makeup. Happiness is essential to you. You have good verbal skills. You are "
    "unconventional and always ready to take risks, and you want to taste everything life "
    "offers without any restraint. On the other hand, you may be irresponsible and "
    "self-indulgent.";

constexpr std::string_view kInterpretation6 =
    "Having the knowledge of being wanted and respected is an always-present pressure. You "
    "need recognition, and praise from your family, friends or co-workers fulfils you. You "
    "are loyal and caring, and you love your family and friends very dearly. Be careful "
    "not to get too involved in the business of other people around you.";

constexpr std::string_view kInterpretation7 =
    "You encompass an in-built secret need to gain a spiritual feeling about the world "
    "around you. You love nature and all of its beauty. You have a strong intuition that "
    "seldom fails you, and you are able to research things in great depth. At times, "
    "though, you may also be unpredictable and emotional.";

constexpr std::string_view kInterpretation8 =
    "You have a focused drive to achieve in a material sense and to gain a position of "
    "authority and power. Independence, an established business of your own or at the very "
    "least a secure job are essential to you. Status and wealth mean a great deal to you. "
    "You are a visionary who dreams of big undertakings, and you will need courage to take "
    "up such huge tasks and carry them through.";

constexpr std::string_view kInterpretation9 =
    "You feel proud and satisfied, when you do something impressive for the benefit of "
    "humankind. You need to make a real difference in the world and to give everyone your "
    "very best, and you also need to be given fair credit for what you do. You may be "
    "sensitive and emotional, and inclined towards the arts, but at times you can also be "
    "arrogant and moody.";

constexpr std::string_view kInterpretation11 =
    "Master number 11 has resemblance with number 2. Like a number 2, you want love, peace "
    "and harmony in your life, and bringing others together through mediation and tact "
    "gives you a sense of accomplishment. You are a born visionary and a natural "
    "peacemaker, self-aware and highly intuitive, and you understand people very well. "
    "Still, people often find you eccentric and hard to follow.";

constexpr std::string_view kInterpretation22 =
    "With a master number 22 Soul Urge, there is an ever-lasting peaceful life ahead of "
    "you. The qualities of this master number are very much like those of the number 4. "
    "Doing good to people satisfies you deeply, and you want the world to remember you for "
    "the good you have done. You are down to earth and intelligent, a born leader and a "
    "motivator who inspires others to do their very best. Be careful, however: you may "
    "come to want too much power over others and so become egoistic.";

} // namespace

std::string_view GetInterpretation(std::int16_t number) noexcept
{
    switch (number) {
    case 1:
        return kInterpretation1;
    case 2:
        return kInterpretation2;
    case 3:
        return kInterpretation3;
    case 4:
        return kInterpretation4;
    case 5:
        return kInterpretation5;
    case 6:
        return kInterpretation6;
    case 7:
        return kInterpretation7;
    case 8:
        return kInterpretation8;
    case 9:
        return kInterpretation9;
    case 11:
        return kInterpretation11;
    case 22:
        return kInterpretation22;
    default:
        return {};
    }
}

} // namespace lumo
