#pragma once

// An exit screen on its own, over recording fakes, shown and active so that focus moves as it
// does for a user.

#include "app/frm_nag_screen2.h"
#include "app_harness.h"
#include "web/mod_help.h"

#include <QTest>
#include <memory>

namespace lumo::testing {

struct ExitScreenHarness {
    // Loads the screen, which draws its support text from `random`.
    void load()
    {
        screen = std::make_unique<app::frmNagScreen2>(
            app::ExitScreenServices{messages, pages, clock, random, [this] { ++endProgramCalls; }});
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
    int endProgramCalls = 0;
    std::unique_ptr<app::frmNagScreen2> screen;
};

} // namespace lumo::testing
