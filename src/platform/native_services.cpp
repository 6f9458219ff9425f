#include "platform/native_services.h"

#include "platform/contrast_preference_native.h"
#include "platform/lock_file_instance_lock.h"
#include "platform/qt_clipboard.h"
#include "platform/qt_user_messages.h"
#include "platform/settings_store_native.h"
#include "platform/system_clock.h"
#include "platform/web_opener_native.h"

namespace lumo::platform {

NativeServices createNativeServices(const QString& applicationName, const QString& messageTitle)
{
    NativeServices services;
    services.messages = std::make_unique<QtUserMessages>(messageTitle);
    services.clipboard = std::make_unique<QtClipboard>();
    services.web = createNativeWebOpener();
    services.settings = createNativeSettingsStore(applicationName);
    services.clock = std::make_unique<SystemClock>();
    services.instanceLock =
        std::make_unique<LockFileInstanceLock>(LockFileInstanceLock::defaultPath(applicationName));
    services.random = std::make_unique<MersenneRandom>();
    services.endRequests = watchEndRequests();
    return services;
}

std::unique_ptr<ContrastPreference> createContrastPreference()
{
    return createNativeContrastPreference();
}

} // namespace lumo::platform
