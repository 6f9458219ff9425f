#include "platform/web_opener_native.h"

#include <QByteArray>
#include <QString>
// clang-format off
#include <windows.h> // before shellapi.h, which needs its types
#include <shellapi.h>
// clang-format on

namespace lumo::platform {

namespace {
// The shell's "Open" verb on the address in the ANSI code page, with no owner window, no
// parameters, C:\ as the working folder and a normal window.
class ShellExecuteWebOpener final : public WebOpener {
public:
    void open(const QString& address, Failed failed) override
    {
        const QByteArray ansi = address.toLocal8Bit();
        const auto result = reinterpret_cast<INT_PTR>(
            ShellExecuteA(nullptr, "Open", ansi.constData(), nullptr, "C:\\", SW_SHOWNORMAL));
        // The shell answers an error code of 32 or less when it could not open the address (no
        // program for it, not found, out of memory); above 32 it has handed the address on.
        constexpr INT_PTR kLargestError = 32;
        if (result <= kLargestError && failed) {
            failed();
        }
    }
};
} // namespace

// The shell and the browsers it starts are only sure to keep an address of up to 2048
// characters whole (INTERNET_MAX_URL_LENGTH, less room for the scheme's own part).
qsizetype longestWebAddress() noexcept
{
    constexpr qsizetype kLongestShellAddress = 2048;
    return kLongestShellAddress;
}

std::unique_ptr<WebOpener> createNativeWebOpener()
{
    return std::make_unique<ShellExecuteWebOpener>();
}

} // namespace lumo::platform
