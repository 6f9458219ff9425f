#pragma once

namespace lumo::platform {
class UserMessages;
}

namespace lumo::modHelp {
class PageLauncher;
}

namespace lumo::ui {

// What every window needs from the rest of the program. Both outlive the windows.
struct WindowServices {
    platform::UserMessages& messages;
    modHelp::PageLauncher& pages;
};

} // namespace lumo::ui
