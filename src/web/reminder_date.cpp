#include "web/reminder_date.h"

#include <QRegularExpression>
#include <cstdlib>

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
    // The ISO form, as written where the locale's own form does not read back.
    static const QRegularExpression iso(QStringLiteral("^[0-9]{4}-[0-9]{2}-[0-9]{2}$"));
    if (iso.match(trimmed).hasMatch()) {
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
