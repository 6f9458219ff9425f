#pragma once

#include <QRect>

class QGroupBox;
class QWidget;

namespace lumo::modHelp {
class PageLauncher;
}

namespace lumo::ui {

class ClickableLabel;

// The forum banner at the top of a working window and the two brand offers at its bottom, which
// share one rectangle; the full-brand offer starts in front.
struct PromotionLabels {
    QGroupBox* Frame2 = nullptr;
    ClickableLabel* Label61 = nullptr;
    QGroupBox* Frame5 = nullptr;
    ClickableLabel* lblCobrand = nullptr;
    ClickableLabel* lblFullBrand = nullptr;
};

struct PromotionGeometry {
    QRect topFrame;    // Frame2 in the window
    QRect banner;      // Label61 in Frame2
    QRect bottomFrame; // Frame5 in the window
    QRect offer;       // both brand labels in Frame5
};

// Each frame is created with its labels (the bottom strip first, as the windows' creation order
// has it); a click on a label only opens its page.
[[nodiscard]] PromotionLabels createPromotionLabels(QWidget& window, const PromotionGeometry& at,
                                                    modHelp::PageLauncher& pages);

// Brings one of the two offers in front of the other.
void showCoBrandOffer(PromotionLabels& labels);
void showFullBrandOffer(PromotionLabels& labels);

} // namespace lumo::ui
