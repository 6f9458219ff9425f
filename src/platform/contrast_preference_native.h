#pragma once

#include "platform/contrast_preference.h"

#include <memory>

namespace lumo::platform {

// The desktop's own preference: Windows' High Contrast setting (contrast_preference_windows.cpp);
// on Linux the desktop's settings portal, where one runs (contrast_preference_unix.cpp).
[[nodiscard]] std::unique_ptr<ContrastPreference> createNativeContrastPreference();

} // namespace lumo::platform
