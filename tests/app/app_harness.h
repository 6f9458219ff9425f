#pragma once

// What the tests of start-up, closing and the exit screen share: a random source that answers
// from a queue, an Application wired to recording fakes, and ways to look at the windows.

#include "app/application.h"
#include "support/exit_screen_harness.h"
#include "support/fakes.h"
#include "support/queued_random.h"
#include "support/widget_helpers.h"
#include "ui/frm_main.h"
#include "ui/frm_nag_screen2.h"
#include "ui/frm_soul_urge.h"

#include <QApplication>
#include <QEvent>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QList>
#include <QPushButton>
#include <QSignalSpy>
#include <QWidget>
#include <deque>
#include <functional>
#include <stdexcept>

namespace lumo::testing {

// A settings store that fails outright on every use.
class ThrowingSettings final : public platform::SettingsStore {
public:
    QString read(const QString&, const QString&) override
    {
        throw std::runtime_error("settings store unavailable");
    }
    bool write(const QString&, const QString&, const QString&) override
    {
        throw std::runtime_error("settings store unavailable");
    }
    QString location() const override { return QStringLiteral("/nowhere/settings.ini"); }
};

// The program's windows, found by object name as a user's tools would find them.
inline ui::frmMain* mainWindow()
{
    return qobject_cast<ui::frmMain*>(windowNamed(QStringLiteral("frmMain")));
}
inline ui::frmNagScreen2* exitScreen()
{
    return qobject_cast<ui::frmNagScreen2*>(windowNamed(QStringLiteral("frmNagScreen2")));
}

// The result window on screen, or null.
inline ui::frmSoulUrge* resultWindow()
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* result = qobject_cast<ui::frmSoulUrge*>(window); result && result->isVisible()) {
            return result;
        }
    }
    return nullptr;
}

// Types a name that passes the entry checks and presses Next; the result window it opened.
inline ui::frmSoulUrge* pressNext(ui::frmMain& main)
{
    child<QLineEdit>(main, "txtFirstName")->setText(QStringLiteral("Ann"));
    child<QLineEdit>(main, "txtLastName")->setText(QStringLiteral("Lee"));
    child<QPushButton>(main, "cmdNext")->click();
    return resultWindow();
}

// Presses Back and lets the closed result window be deleted.
inline void pressBack(ui::frmSoulUrge& result)
{
    child<QPushButton>(result, "cmdback")->click();
    processDeferredDeletes();
}

// Counts QEvent::Show per window, by object name, for windows created before or after it.
class WindowShowCounter final : public QObject {
public:
    WindowShowCounter() { qApp->installEventFilter(this); }
    ~WindowShowCounter() override { qApp->removeEventFilter(this); }
    Q_DISABLE_COPY_MOVE(WindowShowCounter)

    [[nodiscard]] int shows(const QString& window) const { return m_shows.value(window); }
    void reset() { m_shows.clear(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->isWindow()) {
            ++m_shows[watched->objectName()];
        }
        return false;
    }

private:
    QHash<QString, int> m_shows;
};

// A random source whose seeding, drawing or both fail outright.
class ThrowingRandom final : public platform::RandomSource {
public:
    void seed(std::uint64_t) override
    {
        if (seedFails) {
            throw std::runtime_error("no seed");
        }
    }
    double next() override
    {
        if (drawFails) {
            throw std::runtime_error("no draw");
        }
        return 0.0;
    }
    bool seedFails = true;
    bool drawFails = true;
};

// Stand-ins that a test hands to AppHarness in place of its recording fakes.
struct ServiceOverrides {
    platform::SettingsStore* settings = nullptr;
    platform::Clock* clock = nullptr;
    platform::RandomSource* random = nullptr;
};

// An Application over fresh fakes, which can be set up before StartApplication.
struct AppHarness {
    explicit AppHarness(ServiceOverrides with = {})
        : app(app::AppServices{messages, clipboard, web, with.settings ? *with.settings : settings,
                               with.clock ? *with.clock : clock, instanceLock,
                               with.random ? *with.random : random})
    {
    }

    FakeMessages messages;
    FakeClipboard clipboard;
    FakeWebOpener web;
    FakeSettings settings;
    FakeClock clock;
    FakeInstanceLock instanceLock;
    QueuedRandom random;
    app::Application app;
    // Each end of the program, with its exit status.
    QSignalSpy ended{&app, &app::Application::programEnded};
};

} // namespace lumo::testing
