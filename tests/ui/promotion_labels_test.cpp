#include "support/program_look.h"
#include "support/promotion_helpers.h"
#include "support/site_pages.h"
#include "ui/clickable_label.h"
#include "ui/frm_main.h"
#include "ui/frm_soul_urge.h"
#include "window_harness.h"

#include <QAction>
#include <QGroupBox>
#include <QLineEdit>
#include <memory>

using lumo::testing::child;
using lumo::testing::offerInFront;
using lumo::testing::pageAt;
using lumo::testing::pixelsOf;
using lumo::testing::WindowHarness;
using lumo::ui::frmMain;
using lumo::ui::PromotionLabels;

namespace {
const QString kMain = QStringLiteral("main");
const QString kResult = QStringLiteral("result");

// Follows the link or menu entry `control` of `window` as a user would: the entry is chosen, the
// label clicked through the window system. False when the window has no such control.
[[nodiscard]] bool follow(QWidget& window, const QString& control)
{
    if (auto* entry = window.findChild<QAction*>(control)) {
        entry->trigger();
        return true;
    }
    auto* label = window.findChild<QWidget*>(control);
    if (label == nullptr) {
        return false;
    }
    lumo::testing::clickThroughWindow(*label);
    return true;
}
} // namespace

// The promotion labels and the menu entries of the working windows, and the pages they open.
class PromotionLabelsTest final : public lumo::testing::ShownMainWindowTest {
    Q_OBJECT

private slots:
    void eachLinkOpensItsPage_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("control");
        QTest::addColumn<bool>("coBrandInFront");
        QTest::addColumn<QString>("address");
        const auto row = [](const QString& window, const char* control, bool coBrand,
                            const char* key) {
            QTest::addRow("%s %s", qPrintable(window), control)
                << window << QString::fromUtf8(control) << coBrand << pageAt(key);
        };
        row(kMain, "mnuOnline", false, "help-web-page");
        row(kMain, "mnuVisit", false, "home-page");
        row(kMain, "mnuUpdate", false, "download-web-page");
        row(kMain, "mnuDonate", false, "donate");
        row(kMain, "Label61", false, "home-page");
        row(kMain, "lblFullBrand", false, "fully-branded");
        row(kMain, "lblCobrand", true, "co-brand");
        row(kResult, "Label61", false, "home-page");
        row(kResult, "lblFullBrand", false, "fully-branded");
        row(kResult, "lblCobrand", true, "co-brand");
    }
    void eachLinkOpensItsPage()
    {
        QFETCH(QString, window);
        QFETCH(QString, control);
        QFETCH(bool, coBrandInFront);
        QFETCH(QString, address);
        QWidget* shown = window == kMain ? static_cast<QWidget*>(m_main.get()) : openResult();
        QVERIFY(shown);
        PromotionLabels& labels = promotionsOf(*shown);
        if (coBrandInFront) {
            lumo::ui::showCoBrandOffer(labels);
        }
        QWidget* front = offerInFront(labels);
        const QStringList windowsBefore = lumo::testing::visibleWindows();

        for (int click = 0; click < 2; ++click) {
            QVERIFY(follow(*shown, control));
        }

        QCOMPARE(m_harness->opener.opened, (QStringList{address, address}));
        QCOMPARE(offerInFront(labels), front);
        QCOMPARE(lumo::testing::visibleWindows(), windowsBefore);
        QVERIFY(m_harness->messages.shown.isEmpty());
    }

    void resultWindowAlwaysStartsWithTheFullBrandOffer()
    {
        QCOMPARE(offerInFront(m_main->promotions()), m_main->promotions().lblFullBrand);
        lumo::ui::showCoBrandOffer(m_main->promotions());
        QPointer<QWidget> result = openResult();
        QVERIFY(result);
        PromotionLabels& labels = promotionsOf(*result);
        QCOMPARE(offerInFront(labels), labels.lblFullBrand);
        QCOMPARE(labels.lblCobrand->geometry(), labels.lblFullBrand->geometry());
        // twips 315 240 5745 615, the caption's area
        QCOMPARE(labels.lblCobrand->geometry().marginsRemoved(labels.lblCobrand->contentsMargins()),
                 QRect(21, 16, 383, 41));

        QTest::mouseClick(child(*result, "cmdback"), Qt::LeftButton);
        QTRY_VERIFY(result.isNull());
        QCOMPARE(offerInFront(m_main->promotions()), m_main->promotions().lblCobrand);
    }

    void captionsShowAsStored_data()
    {
        QTest::addColumn<QString>("window");
        QTest::newRow("main") << kMain;
        QTest::newRow("result") << kResult;
    }
    void captionsShowAsStored()
    {
        QFETCH(QString, window);
        QWidget* shown = window == kMain ? static_cast<QWidget*>(m_main.get()) : openResult();
        QVERIFY(shown);
        const PromotionLabels& labels = promotionsOf(*shown);
        const QString coBrand = labels.lblCobrand->text();
        QCOMPARE(coBrand,
                 QStringLiteral("Co-brand this software for your site.  Increase loyalty and "
                                "traffic to your site. Put your site's name &  link here. See "
                                "\"Help\" for details.Click Here for more info on co-branding."));
        QCOMPARE(coBrand.count(QLatin1Char('&')), 1);
        QVERIFY(!labels.lblCobrand->buddy()); // so the ampersand is shown, not taken as access key
        QCOMPARE(labels.lblFullBrand->text(),
                 QStringLiteral("Home Business Opportunity. Start your own Internet business and "
                                "make money online. Get this software fully branded for your "
                                "website. Click here for more details."));
        QCOMPARE(labels.Label61->text(),
                 QStringLiteral("The Most Popular Online Mystic Discussion Board. Best Resource "
                                "For Everything Mystic. Visit Starwell Now"));
        for (const QLabel* label :
             {static_cast<QLabel*>(labels.Label61), static_cast<QLabel*>(labels.lblCobrand),
              static_cast<QLabel*>(labels.lblFullBrand)}) {
            QVERIFY2(label->wordWrap(), qPrintable(label->objectName()));
            QCOMPARE(label->cursor().shape(), Qt::PointingHandCursor);
        }
    }

    void onlyPromotionLabelsShowTheHand()
    {
        for (const char* caption : {"Label1", "Label4", "Label5"}) {
            const QWidget* label = child(*m_main, caption);
            QVERIFY2(label, caption);
            QVERIFY2(label->cursor().shape() != Qt::PointingHandCursor, caption);
        }
    }

    void brandOffersAreBlueOnOpaqueButtonFace_data() { captionsShowAsStored_data(); }
    void brandOffersAreBlueOnOpaqueButtonFace()
    {
        QFETCH(QString, window);
        QWidget* shown = window == kMain ? static_cast<QWidget*>(m_main.get()) : openResult();
        QVERIFY(shown);
        PromotionLabels& labels = promotionsOf(*shown);
        // The classic button face, whatever the desktop's palette.
        const QColor buttonFace(240, 240, 240);
        const QColor brandBlue(0, 0, 255);
        for (QLabel* offer :
             {static_cast<QLabel*>(labels.lblCobrand), static_cast<QLabel*>(labels.lblFullBrand)}) {
            // What the frame shows where the offer lies, with this offer in front.
            if (offer == labels.lblCobrand) {
                lumo::ui::showCoBrandOffer(labels);
            } else {
                lumo::ui::showFullBrandOffer(labels);
            }
            const QImage image =
                labels.Frame5->grab(offer->geometry().marginsRemoved(offer->contentsMargins()))
                    .toImage();
            const QPoint corner(image.width() - 2, image.height() - 2);
            QCOMPARE(image.pixelColor(corner), buttonFace);
            QVERIFY2(pixelsOf(image, brandBlue) > 0, "the caption is drawn in blue");
            QCOMPARE(offer->palette().color(offer->foregroundRole()), brandBlue);
        }
        // The banner lies on the window's blue, in white.
        QVERIFY(!labels.Label61->autoFillBackground());
        QCOMPARE(labels.Label61->palette().color(labels.Label61->foregroundRole()),
                 QColor(Qt::white));
    }

    // The offer behind the other is not drawn while it is covered; the one in front is.
    void onlyTheOfferInFrontIsPainted_data()
    {
        QTest::addColumn<bool>("coBrandInFront");
        QTest::newRow("full-brand in front") << false;
        QTest::newRow("co-brand in front") << true;
    }
    void onlyTheOfferInFrontIsPainted()
    {
        QFETCH(bool, coBrandInFront);
        PromotionLabels& labels = m_main->promotions();
        if (coBrandInFront) {
            lumo::ui::showCoBrandOffer(labels);
        } else {
            lumo::ui::showFullBrandOffer(labels);
        }
        PaintCounter cobrand(*labels.lblCobrand);
        PaintCounter fullBrand(*labels.lblFullBrand);
        m_main->repaint();
        QCOMPARE(cobrand.paints > 0, coBrandInFront);
        QCOMPARE(fullBrand.paints > 0, !coBrandInFront);
    }

private:
    // Counts the paint events a widget receives.
    struct PaintCounter final : QObject {
        explicit PaintCounter(QWidget& widget) { widget.installEventFilter(this); }
        bool eventFilter(QObject* /*watched*/, QEvent* event) override
        {
            paints += event->type() == QEvent::Paint ? 1 : 0;
            return false;
        }
        int paints = 0;
    };

    QWidget* openResult()
    {
        child<QLineEdit>(*m_main, "txtFirstName")->setText(QStringLiteral("ANNA"));
        child<QLineEdit>(*m_main, "txtLastName")->setText(QStringLiteral("OTTO"));
        m_main->ShowSoulUrgeResult();
        QWidget* result = m_harness->result();
        return result && QTest::qWaitForWindowActive(result) ? result : nullptr;
    }

    PromotionLabels& promotionsOf(QWidget& window)
    {
        return &window == m_main.get() ? m_main->promotions() : m_harness->result()->promotions();
    }
};

LUMO_WINDOW_TEST_MAIN(PromotionLabelsTest)
#include "promotion_labels_test.moc"
