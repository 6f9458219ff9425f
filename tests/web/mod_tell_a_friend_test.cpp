#include "qt_printers.h"
#include "web/mod_help.h"
#include "web/mod_tell_a_friend.h"

#include <cctype>
#include <cstring>
#include <gtest/gtest.h>

namespace {

using namespace lumo::modTellAFriend;

const QString kRequestStart =
    QStringLiteral(LUMO_SITE_BASE "/lumo-free-soul-urge-number/ssd.php?page=lumo-refer-a-friend");
const QString kUntouchedMessage = QStringLiteral("Your Message\r\n");

// Percent-encoding as the request does it, written out here: letters, digits and "-._~" stay,
// every other byte of the UTF-8 text becomes %XX.
QString percentEncoded(const char* utf8)
{
    QString encoded;
    for (const char* at = utf8; *at != '\0'; ++at) {
        const auto byte = static_cast<unsigned char>(*at);
        if (std::isalnum(byte) != 0 || std::strchr("-._~", byte) != nullptr) {
            encoded += QLatin1Char(static_cast<char>(byte));
        } else {
            encoded += QStringLiteral("%%1").arg(byte, 2, 16, QLatin1Char('0')).toUpper();
        }
    }
    return encoded;
}

const QString kProductFolderEncoded = percentEncoded(LUMO_SITE_BASE "/lumo-free-soul-urge-number/");

// Room enough for every request of these tests.
constexpr qsizetype kLongestAddress = 128 * 1024 - 1;

const QString kDistinct = QStringLiteral("Please Enter Distinct Email Addresses");
const QString kProper = QStringLiteral("Please Enter Proper Email Address");
const QString kNameMissing = QStringLiteral("Please Enter Your Name");
const QString kMessageMissing = QStringLiteral("Please Enter Your Message");
const QString kFriendNameMissing = QStringLiteral("Please Enter Your Friend's Name");

ReferralRecord validRecord()
{
    return captureReferral(QStringLiteral("Jo Smith"), QStringLiteral("jo@example.com"),
                           QStringLiteral("Hello"), QStringLiteral("Ann"),
                           QStringLiteral("ann@example.org"));
}

TEST(captureReferral, TrimsSpacesOnlyFromEachEnd)
{
    const auto record =
        captureReferral(QStringLiteral("  Jo  Smith "), QStringLiteral("\ta@b.c "),
                        QStringLiteral(" Hi\r\n"), QStringLiteral("Ann\t"), QStringLiteral("   "));
    EXPECT_EQ(record.senderName, QStringLiteral("Jo  Smith"));
    EXPECT_EQ(record.senderEmail, QStringLiteral("\ta@b.c"));
    EXPECT_EQ(record.message, QStringLiteral("Hi\r\n"));
    EXPECT_EQ(record.friendName, QStringLiteral("Ann\t"));
    EXPECT_EQ(record.friendEmail, QString());
}

struct EmailCase {
    const char* sender;
    const char* recipient;
    QString expected;
};

TEST(checkEmailAddresses, ChecksInOrder)
{
    const QString& distinct = kDistinct;
    const QString& proper = kProper;
    const EmailCase cases[] = {
        {"Your Email Address", "Friend's Email Address", proper}, // boxes untouched
        {" jo@example.com  ", "jo@example.com", distinct},        // equal once trimmed
        {"nothing", "nothing", distinct},                         // equality comes first
        {"", "", distinct},
        {"Jo@example.com", "jo@example.com", QString()}, // letter case makes them distinct
        {"jo.example.com", "ann@example.org", proper},
        {"jo@example.com", "ann.example.org", proper},
        {"jo@examplecom", "ann@example.org", proper},
        {"jo@example.com", "ann@exampleorg", proper},
        {"j.o@com", "a.nn@org", QString()}, // a dot before the "@" is enough
        {"@.", ".@", QString()},
    };
    for (const auto& c : cases) {
        const auto record =
            captureReferral(QStringLiteral("Jo"), QString::fromUtf8(c.sender), QStringLiteral("Hi"),
                            QStringLiteral("Ann"), QString::fromUtf8(c.recipient));
        EXPECT_EQ(checkEmailAddresses(record), c.expected) << c.sender << " / " << c.recipient;
    }
}

struct FieldCase {
    const char* name;
    const char* message;
    const char* friendName;
    QString expected;
};

TEST(checkOtherFields, ChecksInOrder)
{
    const QString& name = kNameMissing;
    const QString& message = kMessageMissing;
    const QString& friendName = kFriendNameMissing;
    const FieldCase cases[] = {
        {"Your Name", "Hi", "Ann", name},
        {"", "Hi", "Ann", name},
        {"  Your Name ", "Hi", "Ann", name},
        {"Your Name", "Your Message", "Friend's Name", name}, // the name is checked first
        {"your name", "Hi", "Ann", QString()},                // placeholders are case-sensitive
        {"Jo", "Your Message", "Ann", message},
        {"Jo", "", "Ann", message},
        {"Jo", "Your Message\r\n", "Ann", QString()}, // the hidden box's untouched text
        {"Jo", "Your Message", "Friend's Name", message},
        {"Jo", "Hi", "Friend's Name", friendName},
        {"Jo", "Hi", " ", friendName},
        {"Jo", "Hi", "Friend's name", QString()},
    };
    for (const auto& c : cases) {
        const auto record =
            captureReferral(QString::fromUtf8(c.name), QStringLiteral("jo@example.com"),
                            QString::fromUtf8(c.message), QString::fromUtf8(c.friendName),
                            QStringLiteral("ann@example.org"));
        EXPECT_EQ(checkOtherFields(record), c.expected)
            << c.name << " / " << c.message << " / " << c.friendName;
    }
}

TEST(buildReferralAddress, SendsTheFieldsInOrderEachEncoded)
{
    const QString address = buildReferralAddress(validRecord());
    const QString fields = QStringLiteral("&taf1=Jo%20Smith&taf2=jo%40example.com&taf3=Hello"
                                          "&taf4=Ann&taf5=ann%40example.org&taf6=");
    EXPECT_EQ(address, kRequestStart + fields + kProductFolderEncoded);
}

TEST(buildReferralAddress, EncodesEveryByteButUnreservedCharacters)
{
    const struct {
        const char* value;
        const char* encoded;
    } cases[] = {
        {"Zo\u00eb & Jo=#?\r\n", "Zo%C3%AB%20%26%20Jo%3D%23%3F%0D%0A"},
        {"a+b/c%d;e,f:g'h\"i\t", "a%2Bb%2Fc%25d%3Be%2Cf%3Ag%27h%22i%09"},
        {"Az09-._~", "Az09-._~"},
        {"\u6771\u4eac", "%E6%9D%B1%E4%BA%AC"},
    };
    for (const auto& c : cases) {
        ReferralRecord record = validRecord();
        record.friendName = QString::fromUtf8(c.value);
        const QString address = buildReferralAddress(record);
        EXPECT_TRUE(address.contains(QStringLiteral("&taf4=") + QString::fromUtf8(c.encoded) +
                                     QStringLiteral("&taf5=")))
            << address.toStdString();
    }
}

TEST(submitReferral, ValidRecordGivesTheRequestAndNoMessage)
{
    auto record = validRecord();
    record.message = kUntouchedMessage;
    const auto outcome = submitReferral(record, kLongestAddress);
    EXPECT_EQ(outcome.failure, QString());
    EXPECT_EQ(outcome.address,
              kRequestStart +
                  QStringLiteral("&taf1=Jo%20Smith&taf2=jo%40example.com&taf3=Your%20Message%0D%0A"
                                 "&taf4=Ann&taf5=ann%40example.org&taf6=") +
                  kProductFolderEncoded);
}

TEST(submitReferral, FailingCheckGivesItsMessageAndNoRequest)
{
    const struct {
        ReferralRecord record;
        QString expected;
    } cases[] = {
        {captureReferral(QStringLiteral("Your Name"), QStringLiteral("Your Email Address"),
                         kUntouchedMessage, QStringLiteral("Friend's Name"),
                         QStringLiteral("Friend's Email Address")),
         kProper},
        {captureReferral(QStringLiteral("Jo"), QStringLiteral("jo@example.com"),
                         QStringLiteral("Hi"), QStringLiteral("Friend's Name"),
                         QStringLiteral("ann@example.org")),
         kFriendNameMissing},
        {captureReferral(QStringLiteral("Jo"), QStringLiteral("jo@example.com"),
                         QStringLiteral("Hi"), QStringLiteral("Ann"),
                         QStringLiteral("jo@example.com")),
         kDistinct},
    };
    for (const auto& c : cases) {
        const auto outcome = submitReferral(c.record, kLongestAddress);
        EXPECT_EQ(outcome.failure, c.expected);
        EXPECT_EQ(outcome.address, QString());
    }
}

TEST(SendReferral, SkipsTheEmailChecksAndGivesTheSameRequestEachTime)
{
    auto record = validRecord();
    record.friendEmail = record.senderEmail;
    const QString expected =
        kRequestStart +
        QStringLiteral("&taf1=Jo%20Smith&taf2=jo%40example.com&taf3=Hello&taf4=Ann"
                       "&taf5=jo%40example.com&taf6=") +
        kProductFolderEncoded;
    for (int press = 0; press < 2; ++press) {
        const auto outcome = SendReferral(record, kLongestAddress);
        EXPECT_EQ(outcome.failure, QString());
        EXPECT_EQ(outcome.address, expected);
    }
}

// A request the browser could not receive whole is refused with its own message, never
// dropped on the way; one that just fits goes.
TEST(SendReferral, RefusesARequestLongerThanTheSystemPassesOn)
{
    auto record = validRecord();
    const QString request =
        kRequestStart +
        QStringLiteral("&taf1=Jo%20Smith&taf2=jo%40example.com&taf3=Hello&taf4=Ann"
                       "&taf5=ann%40example.org&taf6=") +
        kProductFolderEncoded;
    const auto fits = submitReferral(record, request.size());
    EXPECT_EQ(fits.failure, QString());
    EXPECT_EQ(fits.address, request);

    const auto tooLong = submitReferral(record, request.size() - 1);
    EXPECT_EQ(tooLong.failure,
              QStringLiteral("Your Referral Is Too Long To Send. Please Shorten Your Message"));
    EXPECT_EQ(tooLong.address, QString());
}

} // namespace
