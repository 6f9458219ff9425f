#include "support/program_look.h"
#include "support/promotion_helpers.h"
#include "support/site_pages.h"
#include "ui/clickable_label.h"
#include "ui/frm_main.h"
#include "window_harness.h"

#include <QAccessible>
#include <memory>

using lumo::testing::child;
using lumo::testing::pageAt;
using lumo::testing::WindowHarness;
using lumo::ui::ClickableLabel;
using lumo::ui::frmMain;

// The links of the main window work from the keyboard and are links to a screen reader.
class KeyboardLinksTest final : public lumo::testing::ShownMainWindowTest {
    Q_OBJECT

private slots:
    void enterAndSpaceFollowTheFocusedLink_data()
    {
        QTest::addColumn<QString>("link");
        QTest::addColumn<bool>("coBrandInFront");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("address");
        for (const auto& [key, name] :
             {std::pair{Qt::Key_Return, "Enter"}, std::pair{Qt::Key_Space, "Space"}}) {
            QTest::addRow("Label61, %s", name)
                << "Label61" << false << int(key) << pageAt("home-page");
            QTest::addRow("lblFullBrand, %s", name)
                << "lblFullBrand" << false << int(key) << pageAt("fully-branded");
            QTest::addRow("lblCobrand, %s", name)
                << "lblCobrand" << true << int(key) << pageAt("co-brand");
        }
    }
    void enterAndSpaceFollowTheFocusedLink()
    {
        QFETCH(QString, link);
        QFETCH(bool, coBrandInFront);
        QFETCH(int, key);
        QFETCH(QString, address);
        if (coBrandInFront) {
            lumo::ui::showCoBrandOffer(m_main->promotions());
        }
        // Reached with Tab from Next, as a keyboard user gets there.
        QWidget* next = child(*m_main, "cmdNext");
        next->setFocus();
        QTRY_VERIFY(next->hasFocus());
        for (int tabs = 0; tabs < 3 && lumo::testing::focusName() != link; ++tabs) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(lumo::testing::focusName(), link);
        QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key));
        QCOMPARE(m_harness->opener.opened, QStringList{address});
        QCOMPARE(lumo::testing::visibleWindows(), QStringList{QStringLiteral("frmMain")});
    }

    void linksAreAnnouncedAsLinksAndTheCoveredOfferNotAtAll()
    {
        const auto& labels = m_main->promotions();
        for (ClickableLabel* link : {labels.Label61, labels.lblFullBrand}) {
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(link);
            QVERIFY(accessible);
            QCOMPARE(accessible->role(), QAccessible::Link);
            QCOMPARE(accessible->text(QAccessible::Name), link->text());
            QVERIFY(!accessible->state().invisible);
            QVERIFY(accessible->actionInterface());
            QVERIFY(link->focusPolicy() & Qt::TabFocus);
        }
        QAccessibleInterface* covered = QAccessible::queryAccessibleInterface(labels.lblCobrand);
        QVERIFY(covered->state().invisible);
        QCOMPARE(labels.lblCobrand->focusPolicy(), Qt::NoFocus);
        QCOMPARE(lumo::testing::offerInFront(labels), labels.lblFullBrand);

        // Pressing through the accessibility interface follows the link, as a click does.
        QAccessibleInterface* banner = QAccessible::queryAccessibleInterface(labels.Label61);
        banner->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(m_harness->opener.opened, QStringList{pageAt("home-page")});
    }
};

LUMO_WINDOW_TEST_MAIN(KeyboardLinksTest)
#include "keyboard_links_test.moc"
