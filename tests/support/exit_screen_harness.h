#pragma once

// An exit screen on its own, over recording fakes, shown and active so that focus moves as it
// does for a user.

#include "support/fakes.h"
#include "support/queued_random.h"
#include "support/widget_helpers.h"
#include "ui/frm_nag_screen2.h"
#include "web/mod_help.h"

#include <QLabel>
#include <QTest>
#include <memory>

namespace lumo::testing {

// The support text the exit screen drew when it loaded.
inline QString supportText(const ui::frmNagScreen2& screen)
{
    return child<QLabel>(screen, "Label2")->text();
}

struct ExitScreenHarness {
    // Loads the screen, which draws its support text from `random`.
    void load()
    {
        screen = std::make_unique<ui::frmNagScreen2>(
            ui::ExitScreenServices{messages, pages, clock, random, longestWebAddress});
        QObject::connect(screen.get(), &ui::frmNagScreen2::closing, screen.get(),
                         [this] { ++closings; });
    }
    // Loads, shows and activates the screen; false when it never became active.
    [[nodiscard]] bool loadAndShow()
    {
        load();
        screen->show();
        screen->activateWindow();
        return QTest::qWaitForWindowActive(screen.get());
    }
    template <typename Widget> Widget* child(const char* name) const
    {
        return screen->findChild<Widget*>(QLatin1String(name));
    }

    FakeMessages messages;
    FakeWebOpener web;
    modHelp::PageLauncher pages{web, messages};
    FakeClock clock;
    QueuedRandom random;
    // Linux's limit unless a test sets another before load().
    qsizetype longestWebAddress = 128 * 1024 - 1;
    int closings = 0; // how often the screen reported its closing

    std::unique_ptr<ui::frmNagScreen2> screen;
};

} // namespace lumo::testing
