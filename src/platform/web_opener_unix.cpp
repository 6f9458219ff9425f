#include "platform/web_opener_native.h"

#include <QDesktopServices>
#include <QUrl>

namespace lumo::platform {

namespace {
// Hands the address to Qt's desktop services, which honour $BROWSER and the desktop portal and
// start the browser detached, with the address as one argument and no shell in between. A
// missing browser goes unnoticed, as any failure to open a page does.
class DesktopServicesWebOpener final : public WebOpener {
public:
    void open(const QString& address) override { QDesktopServices::openUrl(QUrl(address)); }
};
} // namespace

// The browser gets the address as one program argument, and Linux takes at most 128 KiB, its
// closing zero included, in one argument.
qsizetype longestWebAddress() noexcept
{
    constexpr qsizetype kLongestArgument = 128 * 1024 - 1;
    return kLongestArgument;
}

std::unique_ptr<WebOpener> createNativeWebOpener()
{
    return std::make_unique<DesktopServicesWebOpener>();
}

} // namespace lumo::platform
