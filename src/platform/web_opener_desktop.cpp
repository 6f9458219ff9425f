#include "platform/desktop_web_opener.h"
#include "platform/web_opener_native.h"

namespace lumo::platform {

std::unique_ptr<WebOpener> createNativeWebOpener()
{
    return std::make_unique<DesktopWebOpener>();
}

} // namespace lumo::platform
