#pragma once

#include <QDate>
#include <QLocale>
#include <QString>

// The update reminder's date as text: the locale's short date, always with a four-digit year,
// so that it reads back as the same date whatever the century; ISO 8601 (yyyy-MM-dd) in the
// locales whose own form does not read back.

namespace lumo::modHelp {

// The locale's short date format with a two-digit year ("yy") widened to four ("yyyy").
[[nodiscard]] QString reminderDateFormat(const QLocale& locale);

// The locale's four-digit form of `date`, or its ISO form where that would not read back.
[[nodiscard]] QString formatReminderDate(QDate date, const QLocale& locale);

// Reads ISO 8601 (yyyy-MM-dd), the four-digit format and the locale's own short format (a
// two-digit year is taken in the century nearest `today`). An unreadable text gives an invalid
// date.
[[nodiscard]] QDate parseReminderDate(const QString& text, const QLocale& locale, QDate today);

} // namespace lumo::modHelp
