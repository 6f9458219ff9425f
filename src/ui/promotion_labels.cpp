#include "ui/promotion_labels.h"

#include "ui/clickable_label.h"
#include "ui/theme.h"
#include "ui/ui_texts.h"
#include "web/mod_help.h"

#include <QGroupBox>

namespace lumo::ui {

namespace {
QGroupBox* captionlessFrame(const QString& name, const QRect& at, QWidget& parent)
{
    auto* frame = new QGroupBox(&parent);
    frame->setObjectName(name);
    frame->setGeometry(at);
    return frame;
}

ClickableLabel* brandLabel(const QString& name, const char* caption, const QRect& at,
                           QWidget& parent)
{
    auto* label = new ClickableLabel(name, displayedCaption(caption), &parent);
    label->placeText(at);
    // Opaque on the button face, so only the label in front shows and takes clicks.
    label->setFace(theme::kButtonFace);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, theme::kBrandText);
    label->setPalette(palette);
    return label;
}
} // namespace

PromotionLabels createPromotionLabels(QWidget& window, const PromotionGeometry& at,
                                      modHelp::PageLauncher& pages)
{
    PromotionLabels labels;
    labels.Frame5 = captionlessFrame(QStringLiteral("Frame5"), at.bottomFrame, window);
    labels.lblCobrand =
        brandLabel(QStringLiteral("lblCobrand"), texts::kCoBrandOffer, at.offer, *labels.Frame5);
    labels.lblFullBrand = brandLabel(QStringLiteral("lblFullBrand"), texts::kFullBrandOffer,
                                     at.offer, *labels.Frame5);
    labels.Frame2 = captionlessFrame(QStringLiteral("Frame2"), at.topFrame, window);
    labels.Label61 = new ClickableLabel(QStringLiteral("Label61"),
                                        displayedCaption(texts::kForumBanner), labels.Frame2);
    labels.Label61->placeText(at.banner);

    QObject::connect(labels.Label61, &ClickableLabel::clicked, labels.Label61,
                     [&pages] { pages.open(modHelp::Page::Home); });
    QObject::connect(labels.lblCobrand, &ClickableLabel::clicked, labels.lblCobrand,
                     [&pages] { pages.open(modHelp::Page::CoBrand); });
    QObject::connect(labels.lblFullBrand, &ClickableLabel::clicked, labels.lblFullBrand,
                     [&pages] { pages.open(modHelp::Page::FullyBranded); });
    showFullBrandOffer(labels);
    return labels;
}

void showCoBrandOffer(PromotionLabels& labels)
{
    labels.lblCobrand->raise();
    labels.lblCobrand->setCovered(false);
    labels.lblFullBrand->setCovered(true);
}

void showFullBrandOffer(PromotionLabels& labels)
{
    labels.lblFullBrand->raise();
    labels.lblFullBrand->setCovered(false);
    labels.lblCobrand->setCovered(true);
}

} // namespace lumo::ui
