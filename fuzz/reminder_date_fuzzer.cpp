// The update reminder's date in any locale Qt knows: any stored text reads without a crash, and
// a date the program writes on one day reads back as that same date on any other day.

#include "fuzz/fuzz_check.h"
#include "web/reminder_date.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QLocale>
#include <QString>
#include <cstdint>
#include <fuzzer/FuzzedDataProvider.h>
#include <string>

namespace {

const QList<QLocale>& Locales()
{
    static const QList<QLocale> locales =
        QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
    return locales;
}

// The days a clock may plausibly show.
const qint64 kFirstDay = QDate(1970, 1, 1).toJulianDay();
const qint64 kLastDay = QDate(2199, 12, 31).toJulianDay();

QDate ConsumeDay(FuzzedDataProvider& input)
{
    return QDate::fromJulianDay(input.ConsumeIntegralInRange(kFirstDay, kLastDay));
}

std::string Printable(const QString& text)
{
    return text.toUtf8().toPercentEncoding(" /.-:,'").toStdString();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    const QList<QLocale>& locales = Locales();
    const QLocale& locale =
        locales.at(input.ConsumeIntegralInRange<qsizetype>(0, locales.size() - 1));
    const QDate written = ConsumeDay(input);
    const QDate today = ConsumeDay(input);
    const bool utf16 = input.ConsumeBool();
    const std::string bytes = input.ConsumeRemainingBytesAsString();

    // Whatever the settings hold reads as a date or as none, under the sanitizers' watch.
    const QString stored = utf16
                               ? QString::fromUtf16(reinterpret_cast<const char16_t*>(bytes.data()),
                                                    qsizetype(bytes.size() / sizeof(char16_t)))
                               : QString::fromUtf8(bytes.data(), qsizetype(bytes.size()));
    static_cast<void>(lumo::modHelp::parseReminderDate(stored, locale, today));

    const QString text = lumo::modHelp::formatReminderDate(written, locale);
    const QDate back = lumo::modHelp::parseReminderDate(text, locale, today);
    LUMO_FUZZ_CHECK(back == written, "%s: %s written as \"%s\" reads back as %s on %s",
                    locale.name().toStdString().c_str(),
                    written.toString(Qt::ISODate).toStdString().c_str(), Printable(text).c_str(),
                    back.toString(Qt::ISODate).toStdString().c_str(),
                    today.toString(Qt::ISODate).toStdString().c_str());
    return 0;
}
