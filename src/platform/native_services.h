#pragma once

#include "platform/clipboard.h"
#include "platform/clock.h"
#include "platform/contrast_preference.h"
#include "platform/end_requests.h"
#include "platform/instance_lock.h"
#include "platform/random_source.h"
#include "platform/settings_store.h"
#include "platform/user_messages.h"
#include "platform/web_opener.h"

#include <QString>
#include <memory>

namespace lumo::platform {

// The operating system's services as the running program uses them. The one place where each
// interface gets its real implementation; tests build their own fakes instead.
struct NativeServices {
    std::unique_ptr<UserMessages> messages;
    std::unique_ptr<Clipboard> clipboard;
    std::unique_ptr<WebOpener> web;
    std::unique_ptr<SettingsStore> settings;
    std::unique_ptr<Clock> clock;
    std::unique_ptr<InstanceLock> instanceLock;
    std::unique_ptr<RandomSource> random;
    // Requests to end from outside the windows (SIGTERM and the like), heard from now on.
    std::unique_ptr<EndRequests> endRequests;
};

// `applicationName` names the settings store and the single-instance lock; `messageTitle` titles
// every message box.
[[nodiscard]] NativeServices createNativeServices(const QString& applicationName,
                                                  const QString& messageTitle);

// Whether the desktop asks for high contrast: read before the windows and the services above
// exist, as it decides the palettes.
[[nodiscard]] std::unique_ptr<ContrastPreference> createContrastPreference();

} // namespace lumo::platform
