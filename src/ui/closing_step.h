#pragma once

namespace lumo::ui {

enum class ClosingReason {
    Close, // the user closed the window: the exit screen appears
    Back,  // the result window closes to go back: the exit screen is loaded but stays hidden
};

// What the application does when a working window closes. A window reports its closing from its
// close event, the one place it happens, whatever started it; without a closing step a window
// simply closes.
class ClosingStep {
public:
    virtual ~ClosingStep() = default;
    virtual void ShowExitScreen(ClosingReason reason) = 0;
};

} // namespace lumo::ui
