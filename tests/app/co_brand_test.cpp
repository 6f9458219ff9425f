#include "app/co_brand.h"
#include "app_harness.h"
#include "support/program_look.h"
#include "support/promotion_helpers.h"
#include "ui/clickable_label.h"
#include "ui/frm_main.h"
#include "ui/frm_soul_urge.h"
#include "web/mod_help.h"

#include <QGroupBox>
#include <QTest>
#include <cmath>

using namespace lumo::testing;
using lumo::app::CoBrandNumber;
using lumo::ui::PromotionLabels;

namespace {
enum class Offer { CoBrand, FullBrand, Neither };

// Which offer a click in the middle of the offers' shared rectangle reaches.
Offer offerShown(const PromotionLabels& labels)
{
    const QWidget* front = lumo::testing::offerInFront(labels);
    if (front == labels.lblCobrand) {
        return Offer::CoBrand;
    }
    return front == labels.lblFullBrand ? Offer::FullBrand : Offer::Neither;
}

} // namespace

Q_DECLARE_METATYPE(Offer)

class CoBrandTest final : public QObject {
    Q_OBJECT

private slots:
    void numberRoundsHalvesToEven_data()
    {
        QTest::addColumn<double>("draw");
        QTest::addColumn<int>("number");
        QTest::newRow("0") << 0.0 << 1;
        QTest::newRow("0.08: 1.48") << 0.08 << 1;
        QTest::newRow("1/12: 1.5") << 1.0 / 12 << 2;
        QTest::newRow("1/4: 2.5") << 0.25 << 2;
        QTest::newRow("0.26: 2.56") << 0.26 << 3;
        QTest::newRow("5/12: 3.5") << 5.0 / 12 << 4;
        QTest::newRow("7/12: 4.5") << 7.0 / 12 << 4;
        QTest::newRow("3/4: 5.5") << 0.75 << 6;
        QTest::newRow("11/12: 6.5") << 11.0 / 12 << 6;
        QTest::newRow("0.92: 6.52") << 0.92 << 7;
        QTest::newRow("just below 1") << std::nextafter(1.0, 0.0) << 7;
    }

    void numberRoundsHalvesToEven()
    {
        QFETCH(double, draw);
        QFETCH(int, number);
        QCOMPARE(int(CoBrandNumber(draw)), number);
    }

    void startShowsTheDrawnOffer_data()
    {
        QTest::addColumn<double>("draw");
        QTest::addColumn<Offer>("offer");
        QTest::newRow("0 gives 1") << 0.0 << Offer::CoBrand;
        QTest::newRow("0.25 gives 2") << 0.25 << Offer::FullBrand;
        QTest::newRow("0.4 gives 3") << 0.4 << Offer::CoBrand;
        QTest::newRow("7/12 gives 4") << 7.0 / 12 << Offer::FullBrand;
        QTest::newRow("0.7 gives 5") << 0.7 << Offer::CoBrand;
        QTest::newRow("0.75 gives 6") << 0.75 << Offer::FullBrand;
        // 7 leaves the labels as the window made them: the full-brand offer in front.
        QTest::newRow("just below 1 gives 7") << std::nextafter(1.0, 0.0) << Offer::FullBrand;
    }

    void startShowsTheDrawnOffer()
    {
        QFETCH(double, draw);
        QFETCH(Offer, offer);
        AppHarness h;
        h.random.values = {draw};
        QVERIFY(h.app.StartApplication());
        QCOMPARE(h.random.draws, 1);
        QCOMPARE(offerShown(mainWindow()->promotions()), offer);
    }

    void mainWindowKeepsItsOfferAcrossNextAndBack()
    {
        AppHarness h;
        h.random.values = {0.0}; // the co-brand offer
        QVERIFY(h.app.StartApplication());
        lumo::ui::frmMain& main = *mainWindow();

        for (int round = 0; round < 2; ++round) {
            pressNext(main);
            lumo::ui::frmSoulUrge* result = resultWindow();
            QVERIFY(result && result->isVisible());
            QCOMPARE(offerShown(result->promotions()), Offer::FullBrand);
            pressBack(*result);
            QVERIFY(main.isVisible());
            QCOMPARE(offerShown(main.promotions()), Offer::CoBrand);
        }
        QCOMPARE(h.random.draws, 2); // start-up's offer and the exit screen's support text only
    }
};

LUMO_WINDOW_TEST_MAIN(CoBrandTest)
#include "co_brand_test.moc"
