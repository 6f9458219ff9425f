#pragma once

#include "platform/web_opener.h"

#include <QtGlobal>
#include <memory>

namespace lumo::platform {

// The opener of this operating system; which file defines it is chosen by the build.
[[nodiscard]] std::unique_ptr<WebOpener> createNativeWebOpener();

// The longest address, in characters, that this system's opener is sure to hand on whole.
[[nodiscard]] qsizetype longestWebAddress() noexcept;

} // namespace lumo::platform
