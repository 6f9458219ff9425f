#pragma once

class QWidget;

namespace lumo::ui {

enum class ClosingReason {
    Close, // the user closed the window: the exit screen appears
    Back,  // the result window closes to go back: the exit screen is loaded but stays hidden
};

// What happens when a working window is closed. The application supplies it; without one a window
// simply closes.
class ClosingStep {
public:
    virtual ~ClosingStep() = default;
    // Shows the exit screen and unloads `window`; also runs from inside that window's close
    // event, where the unload in progress simply completes.
    virtual void ShowExitScreen(QWidget& window, ClosingReason reason) = 0;
    // The last step of Back: the exit screen is hidden again.
    virtual void HideExitScreen() = 0;
};

} // namespace lumo::ui
