#include "support/exit_screen_harness.h"
#include "support/fakes.h"
#include "support/look_measures.h"
#include "support/program_look.h"
#include "ui/contrast.h"
#include "ui/frm_about.h"
#include "ui/frm_main.h"
#include "ui/theme.h"
#include "window_harness.h"

#include <QAbstractScrollArea>
#include <QComboBox>
#include <QLineEdit>
#include <memory>

using lumo::testing::child;
using lumo::testing::commonestColour;
using lumo::testing::grabWindow;
using lumo::testing::rectInWindow;
using lumo::testing::strongestAgainst;
using lumo::ui::contrastRatio;

namespace {
const QColor kBlue(124, 165, 231);
const QColor kWhite(255, 255, 255);
const QColor kBlack(0, 0, 0);
// What high contrast asks of text: accessibility guidelines' enhanced level.
constexpr double kHighContrastText = 7.0;
} // namespace

// With high contrast asked for, the windows keep their layout and faces, and every text on them
// reaches 7:1; without it, the design's white on the blue stays.
class HighContrastTest final : public QObject {
    Q_OBJECT

private slots:
    void desktopIsAskedOnce_data()
    {
        QTest::addColumn<bool>("high");
        QTest::addColumn<QColor>("labelText");
        QTest::newRow("not asked for") << false << kWhite;
        QTest::newRow("asked for") << true << kBlack;
    }
    void desktopIsAskedOnce()
    {
        QFETCH(bool, high);
        QFETCH(QColor, labelText);
        lumo::testing::FakeContrastPreference preference(high);
        lumo::ui::theme::install(preference);
        QCOMPARE(preference.asked, 1);
        QCOMPARE(lumo::ui::theme::contrast() == lumo::ui::theme::Contrast::High, high);
        QCOMPARE(lumo::ui::theme::windowPalette().color(QPalette::WindowText), labelText);
        QCOMPARE(lumo::ui::theme::windowPalette().color(QPalette::Window), kBlue);
    }

    void textReachesSevenToOne_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QColor>("face");
        for (const char* name : {"Label1", "Label4", "Label5", "txtFirstName", "cboMonth",
                                 "cboYear", "cmdNext", "Label61"}) {
            QTest::newRow(name) << "frmMain" << name << kBlue;
        }
        QTest::newRow("offer") << "frmMain"
                               << "lblFullBrand" << QColor(240, 240, 240);
        QTest::newRow("report") << "frmSoulUrge"
                                << "txtDisplay" << kBlue;
        for (const char* name : {"Label1", "Label2", "Label3"}) {
            QTest::newRow(qPrintable(QStringLiteral("About, ") + QLatin1String(name)))
                << "frmAbout" << name << kBlue;
        }
        QTest::newRow("exit, support text") << "frmNagScreen2"
                                            << "Label2" << kWhite;
        QTest::newRow("exit, visit now") << "frmNagScreen2"
                                         << "Check1" << kWhite;
        QTest::newRow("exit, product line") << "frmNagScreen2"
                                            << "Label3" << QColor(0, 0, 128);
    }
    void textReachesSevenToOne()
    {
        QFETCH(QString, window);
        QFETCH(QString, control);
        QFETCH(QColor, face);
        lumo::testing::FakeContrastPreference preference(true);
        lumo::ui::theme::install(preference);
        lumo::testing::WindowHarness harness;
        const auto main = harness.makeMain();
        child<QLineEdit>(*main, "txtFirstName")->setText(QStringLiteral("ANN"));
        child<QLineEdit>(*main, "txtLastName")->setText(QStringLiteral("LEE"));
        QWidget* shown = main.get();
        std::unique_ptr<lumo::ui::frmAbout> about;
        std::unique_ptr<lumo::testing::ExitScreenHarness> exit;
        if (window == QLatin1String("frmSoulUrge")) {
            main->ShowSoulUrgeResult();
            shown = harness.result();
        } else if (window == QLatin1String("frmAbout")) {
            about = std::make_unique<lumo::ui::frmAbout>(harness.pages);
            shown = about.get();
        } else if (window == QLatin1String("frmNagScreen2")) {
            exit = std::make_unique<lumo::testing::ExitScreenHarness>();
            QVERIFY(exit->loadAndShow());
            shown = exit->screen.get();
        }
        QVERIFY(shown);
        QVERIFY(lumo::testing::showActive(*shown));
        QWidget* widget = child(*shown, qPrintable(control));
        QVERIFY(widget);
        // The focus elsewhere, so that no caret or focus frame is taken for text.
        shown->setFocus();
        QTest::qWait(1);
        // Clear of the border, and of a list's arrow and a box's scroll bar.
        QRect inner = rectInWindow(*widget).adjusted(4, 4, -4, -4);
        if (qobject_cast<QComboBox*>(widget) != nullptr) {
            inner.setWidth(inner.width() / 2);
        } else if (auto* box = qobject_cast<QAbstractScrollArea*>(widget)) {
            inner = rectInWindow(*box->viewport());
        }
        const QImage image = grabWindow(*shown);
        QCOMPARE(commonestColour(image, inner), face);
        const QColor text = strongestAgainst(image, inner, face);
        QVERIFY2(contrastRatio(text, face) >= kHighContrastText,
                 qPrintable(lumo::testing::describeContrast(text, face)));
    }
};

LUMO_WINDOW_TEST_MAIN(HighContrastTest)
#include "high_contrast_test.moc"
