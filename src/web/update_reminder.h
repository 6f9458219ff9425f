#pragma once

#include <QDate>
#include <QLocale>

namespace lumo::platform {
class Clock;
class SettingsStore;
class UserMessages;
} // namespace lumo::platform

namespace lumo::modHelp {

class PageLauncher;

// Reminds the user, at most once in any stretch of 14 days, that an update may exist, and on
// Yes opens the download page. The date of the last reminder is kept in the settings store as
// the locale's short date with a four-digit year.
class UpdateReminder final {
public:
    UpdateReminder(platform::SettingsStore& settings, platform::Clock& clock,
                   platform::UserMessages& messages, PageLauncher& launcher,
                   QLocale locale = QLocale());

    // Start-up calls this twice; it asks at most once, even when the store drops the date. When
    // it has asked and the store cannot keep the date, it says so once, naming the store.
    void CheckUpdateReminder();

private:
    // False when the store could not keep the date.
    bool storeToday(QDate today);

    platform::SettingsStore& m_settings;
    platform::Clock& m_clock;
    platform::UserMessages& m_messages;
    PageLauncher& m_launcher;
    QLocale m_locale;
    // The date this reminder last stored, in force even if the store could not keep it.
    QDate m_stored;
};

} // namespace lumo::modHelp
