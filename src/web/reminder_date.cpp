#include "web/reminder_date.h"

#include <cstdlib>
#include <string_view>

namespace lumo::modHelp {

namespace {
constexpr QChar kQuote = QLatin1Char('\'');
constexpr QChar kYear = QLatin1Char('y');
constexpr int kCentury = 100;

// The year in the century nearest `today` whose last two digits are those of `year`.
int nearestCenturyYear(int year, int todayYear)
{
    const int twoDigits = year % kCentury;
    const int base = todayYear - todayYear % kCentury;
    int best = base + twoDigits;
    for (const int candidate : {best - kCentury, best + kCentury}) {
        if (std::abs(candidate - todayYear) < std::abs(best - todayYear)) {
            best = candidate;
        }
    }
    return best;
}

// The ISO form, "yyyy-MM-dd" in ASCII digits. Checked by hand: a regular expression here would
// load and compile a whole expression engine at every start, for ten characters.
bool isIsoDateText(const QString& text)
{
    constexpr std::string_view kShape = "0000-00-00"; // 0: any digit
    if (text.size() != qsizetype(kShape.size())) {
        return false;
    }
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        const char shape = kShape[size_t(i)];
        if (shape == '0' ? (c < u'0' || c > u'9') : c != char16_t(shape)) {
            return false;
        }
    }
    return true;
}
} // namespace

QString reminderDateFormat(const QLocale& locale)
{
    const QString format = locale.dateFormat(QLocale::ShortFormat);
    QString result;
    bool quoted = false;
    for (qsizetype i = 0; i < format.size();) {
        const QChar c = format.at(i);
        if (c == kQuote) {
            quoted = !quoted;
        }
        if (quoted || c != kYear) {
            result += c;
            ++i;
            continue;
        }
        qsizetype run = 0;
        while (i + run < format.size() && format.at(i + run) == kYear) {
            ++run;
        }
        result += QString(run == 2 ? 4 : run, kYear);
        i += run;
    }
    return result;
}

QString formatReminderDate(QDate date, const QLocale& locale)
{
    // Some locales write digits that Qt cannot read back; the reminder would then find no date
    // at every start and never come. Those get the ISO form, which reads back everywhere.
    const QString text = locale.toString(date, reminderDateFormat(locale));
    if (locale.toDate(text, reminderDateFormat(locale)) == date) {
        return text;
    }
    return date.toString(Qt::ISODate);
}

QDate parseReminderDate(const QString& text, const QLocale& locale, QDate today)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty()) {
        return {};
    }
    // As written where the locale's own form does not read back.
    if (isIsoDateText(trimmed)) {
        return QDate::fromString(trimmed, Qt::ISODate);
    }
    if (const QDate date = locale.toDate(trimmed, reminderDateFormat(locale)); date.isValid()) {
        return date;
    }
    const QString shortFormat = locale.dateFormat(QLocale::ShortFormat);
    if (const QDate date = locale.toDate(trimmed, shortFormat); date.isValid()) {
        // A two-digit year reads as 19yy; move it to the century nearest today.
        if (!shortFormat.contains(QLatin1String("yyyy"))) {
            return QDate(nearestCenturyYear(date.year(), today.year()), date.month(), date.day());
        }
        return date;
    }
    return QDate::fromString(trimmed, Qt::ISODate);
}

} // namespace lumo::modHelp
