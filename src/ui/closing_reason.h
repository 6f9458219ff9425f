#pragma once

namespace lumo::ui {

// Why a window closed, as it reports it to the application.
enum class ClosingReason {
    Close, // the user closed the window
    Back,  // the result window closed to go back to the main window
};

} // namespace lumo::ui
