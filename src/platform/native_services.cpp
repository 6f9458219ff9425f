#include "native_services.h"

#include "immediate_process_control.h"
#include "lock_file_instance_lock.h"
#include "qsettings_store.h"
#include "qt_clipboard.h"
#include "qt_user_messages.h"
#include "system_clock.h"
#include "web_opener_native.h"

namespace lumo::platform {

NativeServices createNativeServices(const QString& applicationName)
{
    NativeServices services;
    services.messages = std::make_unique<QtUserMessages>();
    services.clipboard = std::make_unique<QtClipboard>();
    services.web = createNativeWebOpener();
    services.settings = std::make_unique<QSettingsStore>(applicationName);
    services.clock = std::make_unique<SystemClock>();
    services.instanceLock =
        std::make_unique<LockFileInstanceLock>(LockFileInstanceLock::defaultPath(applicationName));
    services.process = std::make_unique<ImmediateProcessControl>();
    return services;
}

} // namespace lumo::platform
