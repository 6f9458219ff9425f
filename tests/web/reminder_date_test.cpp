#include "qt_printers.h"
#include "web/reminder_date.h"

#include <gtest/gtest.h>

namespace {

using lumo::modHelp::formatReminderDate;
using lumo::modHelp::parseReminderDate;
using lumo::modHelp::reminderDateFormat;

const QDate kToday(2026, 12, 8);

TEST(ReminderDate, RoundTripsInEveryLocaleWithAFourDigitYear)
{
    const char* const locales[] = {"en_US", "en_GB", "de_DE", "fr_FR", "ru_RU",
                                   "ja_JP", "zh_CN", "ko_KR", "ar_EG", "fa_IR"};
    const QDate dates[] = {kToday, QDate(2001, 1, 2), QDate(2099, 2, 28), QDate(1999, 12, 31),
                           QDate(2124, 7, 4)};
    for (const char* name : locales) {
        const QLocale locale{QString::fromLatin1(name)};
        EXPECT_EQ(reminderDateFormat(locale).count(QStringLiteral("yyyy")), 1) << name;
        for (const QDate& date : dates) {
            const QString text = formatReminderDate(date, locale);
            EXPECT_EQ(parseReminderDate(text, locale, kToday), date)
                << name << " " << text.toStdString();
        }
    }
}

// Every locale Qt knows: whatever the stored text is, it reads back as the same date, so the
// reminder keeps its 14 days everywhere.
TEST(ReminderDate, RoundTripsInEveryLocaleQtKnows)
{
    const QDate dates[] = {kToday, QDate(2000, 2, 29), QDate(1999, 12, 31), QDate(2124, 7, 4)};
    const auto locales =
        QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
    ASSERT_GT(locales.size(), 300);
    int isoLocales = 0;
    for (const QLocale& locale : locales) {
        for (const QDate& date : dates) {
            const QString text = formatReminderDate(date, locale);
            ASSERT_EQ(parseReminderDate(text, locale, kToday), date)
                << locale.name().toStdString() << " " << text.toStdString();
        }
        isoLocales += formatReminderDate(kToday, locale) == QStringLiteral("2026-12-08") ? 1 : 0;
    }
    EXPECT_GT(isoLocales, 0);
}

// Chakma and Adlam digits do not read back in Qt 6.4: those locales store the ISO form.
TEST(ReminderDate, LocalesWhoseDigitsDoNotReadBackStoreTheIsoForm)
{
    for (const QLocale& locale : {QLocale(QLocale::Chakma, QLocale::Bangladesh),
                                  QLocale(QLocale::Fulah, QLocale::AdlamScript, QLocale::Guinea)}) {
        EXPECT_EQ(formatReminderDate(kToday, locale), QStringLiteral("2026-12-08"))
            << locale.name().toStdString();
    }
}

TEST(ReminderDate, WritesTheShortFormatWithTheYearWidened)
{
    const struct {
        const char* locale;
        const char* text;
    } cases[] = {
        {"en_US", "12/8/2026"},  {"en_GB", "08/12/2026"}, {"de_DE", "08.12.2026"},
        {"ja_JP", "2026/12/08"}, {"zh_CN", "2026/12/8"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(formatReminderDate(kToday, QLocale(QString::fromLatin1(c.locale))),
                  QString::fromUtf8(c.text))
            << c.locale;
    }
}

TEST(ReminderDate, ReadsTwoDigitYearsInTheNearestCenturyAndIsoDates)
{
    const QLocale us(QLocale::English, QLocale::UnitedStates);
    const QLocale de(QLocale::German, QLocale::Germany);
    const struct {
        const QLocale& locale;
        const char* text;
        QDate today;
        QDate expected;
    } cases[] = {
        {us, "12/8/26", kToday, kToday},
        {us, "1/2/99", kToday, QDate(1999, 1, 2)},
        {us, "1/2/70", kToday, QDate(2070, 1, 2)},
        {us, "1/2/05", QDate(2090, 6, 1), QDate(2105, 1, 2)},
        {de, "08.12.26", kToday, kToday},
        {us, "2026-12-08", kToday, kToday},
        {de, "2026-12-08", kToday, kToday},
        {us, " 12/8/2026 ", kToday, kToday},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(parseReminderDate(QString::fromUtf8(c.text), c.locale, c.today), c.expected)
            << c.text;
    }
}

TEST(ReminderDate, UnreadableTextGivesNoDate)
{
    const QLocale us(QLocale::English, QLocale::UnitedStates);
    for (const char* text : {"", "garbage", "13/45/2026", "12/8", "2026-13-01", "08.12.2026x"}) {
        EXPECT_FALSE(parseReminderDate(QString::fromUtf8(text), us, kToday).isValid()) << text;
    }
}

} // namespace
