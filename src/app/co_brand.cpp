#include "app/co_brand.h"

#include "platform/random_source.h"
#include "ui/promotion_labels.h"

#include <cmath>

namespace lumo::app {

std::int16_t CoBrandNumber(double r) noexcept
{
    // nearbyint rounds in the current mode, which is to nearest with ties to even unless a
    // program changes it; this one never does.
    return static_cast<std::int16_t>(std::nearbyint(6.0 * r + 1.0));
}

void CoBrand_Randomize(ui::PromotionLabels& mainWindowLabels, platform::RandomSource& random)
{
    switch (CoBrandNumber(random.next())) {
    case 2:
    case 4:
    case 6:
        ui::showFullBrandOffer(mainWindowLabels);
        break;
    case 1:
    case 3:
    case 5:
        ui::showCoBrandOffer(mainWindowLabels);
        break;
    default:
        break;
    }
}

} // namespace lumo::app
