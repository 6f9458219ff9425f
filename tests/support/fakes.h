#pragma once

// Recording stand-ins for the operating system's services, shared by every Qt-based test.

#include "common/qt_text.h"
#include "platform/clipboard.h"
#include "platform/clock.h"
#include "platform/contrast_preference.h"
#include "platform/instance_lock.h"
#include "platform/settings_store.h"
#include "platform/user_messages.h"
#include "platform/web_opener.h"

#include <QDate>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <utility>
#include <vector>

namespace lumo::testing {

struct ShownMessage {
    QString text;
    QString title;
    platform::MessageIcon icon;
    platform::MessageButtons buttons;
    QString selectable; // the text offered for copying below the message, if any
};

// Records each message box instead of showing it, and answers from a queue (Ok or No when empty).
class FakeMessages final : public platform::UserMessages {
public:
    FakeMessages()
        : UserMessages(applicationTitle())
    {
    }
    platform::MessageAnswer show(QWidget*, const QString& text, platform::MessageIcon icon,
                                 platform::MessageButtons buttons) override
    {
        shown.push_back({text, title(), icon, buttons, {}});
        if (onShow) {
            onShow();
        }
        if (!answers.empty()) {
            const auto answer = answers.front();
            answers.pop_front();
            return answer;
        }
        return buttons == platform::MessageButtons::Ok ? platform::MessageAnswer::Ok
                                                       : platform::MessageAnswer::No;
    }
    void showSelectable(QWidget*, const QString& text, const QString& selectable,
                        platform::MessageIcon icon) override
    {
        shown.push_back({text, title(), icon, platform::MessageButtons::Ok, selectable});
        if (onShow) {
            onShow();
        }
    }
    [[nodiscard]] QStringList texts() const
    {
        QStringList result;
        for (const auto& message : shown) {
            result << message.text;
        }
        return result;
    }

    QList<ShownMessage> shown;
    std::deque<platform::MessageAnswer> answers;
    std::function<void()> onShow; // runs while the "box" is up, e.g. to look at focus
};

// Records each request to take text off the clipboard: the text it came from and where to look.
class FakeClipboard final : public platform::Clipboard {
public:
    struct Removal {
        QString source;
        Scope scope;
    };
    void removeTextOf(const QString& source, Scope scope) override
    {
        removals.push_back({source, scope});
    }
    QList<Removal> removals;
};

// Records each address; with `fails` set it reports each one as not opened: at once, or with
// `failLater` also set, when the test calls reportFailures.
class FakeWebOpener final : public platform::WebOpener {
public:
    void open(const QString& address, Failed failed) override
    {
        opened << address;
        if (fails && failLater) {
            m_pending.push_back(std::move(failed));
        } else if (fails) {
            failed();
        }
    }
    void reportFailures()
    {
        for (auto pending = std::exchange(m_pending, {}); auto& failed : pending) {
            failed();
        }
    }
    QStringList opened;
    bool fails = false;
    bool failLater = false;

private:
    std::vector<Failed> m_pending;
};

// An in-memory store; `readable` and `writable` false act as a store that cannot be used.
class FakeSettings final : public platform::SettingsStore {
public:
    QString read(const QString& section, const QString& key) override
    {
        ++reads;
        return readable ? values.value(section + QLatin1Char('/') + key) : QString();
    }
    bool write(const QString& section, const QString& key, const QString& value) override
    {
        ++writes;
        if (writable) {
            values.insert(section + QLatin1Char('/') + key, value);
        }
        return writable;
    }
    QHash<QString, QString> values;
    bool readable = true;
    bool writable = true;
    int reads = 0;
    int writes = 0;
    QString location() const override { return where; }
    QString where = QStringLiteral("/home/someone/.config/lumo-soul-urge-number.ini");
};

// The desktop's contrast preference as the test sets it, counting how often it was asked.
class FakeContrastPreference final : public platform::ContrastPreference {
public:
    explicit FakeContrastPreference(bool high)
        : m_high(high)
    {
    }
    [[nodiscard]] bool highContrast() override
    {
        ++asked;
        return m_high;
    }
    int asked = 0;

private:
    bool m_high;
};

class FakeClock final : public platform::Clock {
public:
    QDate today() const override { return date; }
    std::uint64_t timeOfDaySeed() const override { return seed; }
    QDate date{2026, 12, 8};
    std::uint64_t seed = 12345;
};

class FakeInstanceLock final : public platform::InstanceLock {
public:
    bool acquire() override
    {
        ++calls;
        return !running;
    }
    bool running = false;
    int calls = 0;
};

} // namespace lumo::testing
