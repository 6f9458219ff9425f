#pragma once

namespace lumo::platform {
class Clipboard;
class UserMessages;
} // namespace lumo::platform

namespace lumo::modHelp {
class PageLauncher;
}

namespace lumo::ui {

class ClosingStep;

// What the working windows need from the rest of the program. All references outlive the windows.
struct WindowServices {
    platform::UserMessages& messages;
    platform::Clipboard& clipboard;
    modHelp::PageLauncher& pages;
    ClosingStep* closing = nullptr; // none: a closed window just closes
};

} // namespace lumo::ui
