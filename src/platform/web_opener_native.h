#pragma once

#include "platform/web_opener.h"

#include <memory>

namespace lumo::platform {

// The opener of this operating system; which file defines it is chosen by the build.
[[nodiscard]] std::unique_ptr<WebOpener> createNativeWebOpener();

} // namespace lumo::platform
