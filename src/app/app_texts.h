#pragma once

// The texts that start-up shows itself; the windows' texts are in ui/ui_texts.h.

namespace lumo::app::texts {

inline constexpr char kAlreadyRunning[] = "Application is already running";

} // namespace lumo::app::texts
