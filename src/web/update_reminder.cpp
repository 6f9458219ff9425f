#include "web/update_reminder.h"

#include "common/qt_text.h"
#include "platform/clock.h"
#include "platform/settings_store.h"
#include "platform/user_messages.h"
#include "web/mod_help.h"
#include "web/reminder_date.h"
#include "web/web_texts.h"

#include <cstdlib>

namespace lumo::modHelp {

namespace {
constexpr QLatin1String kSection("Settings");
constexpr QLatin1String kKey("Duration");
// Dates at most this many whole days from today, either way, need no reminder.
constexpr qint64 kReminderIntervalDays = 14;

// A message box shows a lone carriage return on the same line; a line feed parts the lines.
QString displayText(QString text)
{
    return text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
}
} // namespace

UpdateReminder::UpdateReminder(platform::SettingsStore& settings, platform::Clock& clock,
                               platform::UserMessages& messages, PageLauncher& launcher,
                               QLocale locale)
    : m_settings(settings)
    , m_clock(clock)
    , m_messages(messages)
    , m_launcher(launcher)
    , m_locale(std::move(locale))
{
}

void UpdateReminder::CheckUpdateReminder()
{
    const QDate today = m_clock.today();
    const QDate last = m_stored.isValid()
                           ? m_stored
                           : parseReminderDate(m_settings.read(kSection, kKey), m_locale, today);
    // Never run, or a value that is no date: start counting from today without asking.
    if (!last.isValid()) {
        storeToday(today);
        return;
    }
    if (std::abs(today.daysTo(last)) <= kReminderIntervalDays) {
        return;
    }
    const auto answer = m_messages.question(nullptr, displayText(toQString(kUpdateQuestion)));
    if (!storeToday(today)) {
        // Without the date the question comes back at every start: say why, and where.
        m_messages.critical(nullptr, toQString(kReminderDateNotStored), m_settings.location());
    }
    if (answer == platform::MessageAnswer::Yes) {
        m_launcher.open(modHelp::Page::Download);
    }
}

bool UpdateReminder::storeToday(QDate today)
{
    m_stored = today;
    return m_settings.write(kSection, kKey, formatReminderDate(today, m_locale));
}

} // namespace lumo::modHelp
