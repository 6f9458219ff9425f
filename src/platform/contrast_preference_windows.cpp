#include "platform/contrast_preference_native.h"

#include <windows.h>

namespace lumo::platform {

namespace {
// Windows' High Contrast setting (Settings, Accessibility, Contrast themes).
class HighContrastSetting final : public ContrastPreference {
public:
    [[nodiscard]] bool highContrast() override
    {
        HIGHCONTRASTW setting{};
        setting.cbSize = sizeof(setting);
        if (SystemParametersInfoW(SPI_GETHIGHCONTRAST, setting.cbSize, &setting, 0) == FALSE) {
            return false;
        }
        return (setting.dwFlags & HCF_HIGHCONTRASTON) != 0;
    }
};
} // namespace

std::unique_ptr<ContrastPreference> createNativeContrastPreference()
{
    return std::make_unique<HighContrastSetting>();
}

} // namespace lumo::platform
