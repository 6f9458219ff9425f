#pragma once

#include "platform/settings_store.h"

#include <QString>
#include <memory>

namespace lumo::platform {

// The per-user store of this operating system for `applicationName`; which file defines it is
// chosen by the build.
[[nodiscard]] std::unique_ptr<SettingsStore>
createNativeSettingsStore(const QString& applicationName);

} // namespace lumo::platform
