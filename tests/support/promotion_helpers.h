#pragma once

// What the tests of the promotion labels share.

#include "ui/clickable_label.h"
#include "ui/promotion_labels.h"

#include <QGroupBox>
#include <QWidget>

namespace lumo::testing {

// The brand label that a click in the middle of the two offers' shared rectangle reaches.
inline QWidget* offerInFront(const ui::PromotionLabels& labels)
{
    return labels.Frame5->childAt(labels.lblCobrand->geometry().center());
}

} // namespace lumo::testing
