// Every window's controls are drawn in the installed family that stands in for the family, size
// and weight their layout names: DejaVu Sans for Verdana, Liberation Sans for MS Sans Serif. Run
// with fonts/stand-ins.conf, which gives the designed names other faces of their own (DejaVu
// Serif and DejaVu Sans Mono), so a control that still names Verdana or MS Sans Serif and is left
// to the font system's substitution, or that ends up in the other family's face or in the
// desktop's default face, shows.

#include "app_harness.h"
#include "support/exit_screen_harness.h"
#include "support/look_measures.h"
#include "support/program_look.h"
#include "ui/frm_about.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QMenu>
#include <QMessageBox>
#include <QTest>
#include <QToolTip>
#include <cstdlib>
#include <memory>

using namespace lumo::testing;

namespace {
// The installed families the program names.
const QString kVerdanaStandIn = QStringLiteral("DejaVu Sans");
const QString kMsSansSerifStandIn = QStringLiteral("Liberation Sans");
// What the font system would substitute for the designed names under fonts/stand-ins.conf.
const QString kVerdanaSubstitute = QStringLiteral("DejaVu Serif");
const QString kMsSansSerifSubstitute = QStringLiteral("DejaVu Sans Mono");

// The face Qt itself picks for a family, asked for afresh.
QString faceFor(const QString& family)
{
    QFont font(family);
    font.setStyleHint(QFont::SansSerif);
    return QFontInfo(font).family();
}
} // namespace

class WindowFontsTest final : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<AppHarness> m_app;
    std::unique_ptr<ExitScreenHarness> m_exit;
    std::unique_ptr<lumo::ui::frmAbout> m_about;

    QWidget* window(const QString& name) const
    {
        if (name == QLatin1String("frmMain")) {
            return mainWindow();
        }
        if (name == QLatin1String("frmAbout")) {
            return m_about.get();
        }
        return m_exit->screen.get();
    }

private slots:
    void initTestCase()
    {
        if (QFontDatabase::families().contains(QStringLiteral("Verdana")) ||
            QFontDatabase::families().contains(QStringLiteral("MS Sans Serif"))) {
            QSKIP("Verdana or MS Sans Serif is installed; no stand-in is drawn");
        }
        QVERIFY2(faceFor(QStringLiteral("Verdana")) == kVerdanaSubstitute &&
                     faceFor(QStringLiteral("MS Sans Serif")) == kMsSansSerifSubstitute,
                 "the stand-ins of fonts/stand-ins.conf are not in force (FONTCONFIG_FILE)");
        for (const QString& family : {kVerdanaStandIn, kMsSansSerifStandIn}) {
            QVERIFY2(QFontDatabase::families().contains(family),
                     qPrintable(family + QStringLiteral(" is not installed "
                                                        "(scripts/install-deps.sh)")));
        }
        m_app = std::make_unique<AppHarness>();
        QVERIFY(m_app->app.StartApplication());
        QVERIFY(mainWindow());
        m_exit = std::make_unique<ExitScreenHarness>();
        m_exit->load();
        m_about = std::make_unique<lumo::ui::frmAbout>(m_exit->pages);
    }

    void cleanupTestCase()
    {
        m_about.reset();
        m_exit.reset();
        m_app.reset();
    }

    void controlFont_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("face");
        QTest::addColumn<double>("pointSize");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<bool>("underline");

        const auto row = [](const char* window, const char* control, const QString& face,
                            double pointSize, bool bold = false, bool underline = false) {
            QTest::addRow("%s %s", window, control)
                << QString::fromLatin1(window) << QString::fromLatin1(control) << face << pointSize
                << bold << underline;
        };
        const QString& verdana = kVerdanaStandIn;
        row("frmMain", "frmMain", verdana, 8.25);
        // The frames' own font is the body's, which their controls take; only their captions are
        // drawn in bold (frameCaptionsAreBold).
        row("frmMain", "fraName", verdana, 8.25);
        row("frmMain", "fraBirthDay", verdana, 8.25);
        for (const char* control : {"txtFirstName", "txtMiddleName", "txtLastName", "cboMonth",
                                    "cboDate", "cboYear", "cmdNext"}) {
            row("frmMain", control, verdana, 8.25);
        }
        for (const char* caption : {"Label1", "Label4", "Label5"}) {
            row("frmMain", caption, kMsSansSerifStandIn, 8.25);
        }

        row("frmAbout", "frmAbout", verdana, 8.25);
        row("frmAbout", "Label1", verdana, 8.25);
        row("frmAbout", "Label2", verdana, 9.75, true);
        row("frmAbout", "Label3", verdana, 8.25, true);
        row("frmAbout", "lblCoBrand", verdana, 8.25, false, true);
        row("frmAbout", "lblHomePage", verdana, 8.25, false, true);

        row("frmNagScreen2", "Frame6", verdana, 9.75, true);
        row("frmNagScreen2", "Frame2", verdana, 9.75, true);
        row("frmNagScreen2", "Label3", verdana, 9);
        row("frmNagScreen2", "Label2", verdana, 9.75, true);
        row("frmNagScreen2", "Check1", verdana, 14.25);
        row("frmNagScreen2", "cmdSubmit", verdana, 8.25, true);
        for (const char* box :
             {"txtName", "txtEmail", "txtFriendName", "txtFriendEmail", "txtMessage"}) {
            row("frmNagScreen2", box, verdana, 8.25);
        }
        row("frmNagScreen2", "lblNagScreen2Caption", kMsSansSerifStandIn, 18);
    }

    void controlFont()
    {
        QFETCH(QString, window);
        QFETCH(QString, control);
        QFETCH(QString, face);
        QFETCH(double, pointSize);
        QFETCH(bool, bold);
        QFETCH(bool, underline);

        QWidget* top = this->window(window);
        QVERIFY(top);
        QWidget* widget = top->objectName() == control ? top : top->findChild<QWidget*>(control);
        QVERIFY2(widget, qPrintable(control));
        const QFont font = widget->font();
        const QFontInfo drawn(font);
        QCOMPARE(drawn.family(), face);
        QCOMPARE(font.pointSizeF(), pointSize);
        QCOMPARE(drawn.bold(), bold);
        QCOMPARE(font.underline(), underline);
    }

    // The main window's frame captions are drawn in the bold stand-in: their ink is as wide as the
    // bold face sets the caption, not the regular one.
    void frameCaptionsAreBold_data()
    {
        QTest::addColumn<QString>("frame");
        QTest::addColumn<QString>("caption");
        QTest::newRow("fraName") << "fraName"
                                 << "Please Fill In The Below Details:";
        QTest::newRow("fraBirthDay") << "fraBirthDay"
                                     << "Date Of Birth";
    }
    void frameCaptionsAreBold()
    {
        QFETCH(QString, frame);
        QFETCH(QString, caption);
        auto* box = mainWindow()->findChild<QWidget*>(frame);
        QVERIFY(box);
        QFont regular(kVerdanaStandIn);
        regular.setPointSizeF(8.25);
        QFont bold = regular;
        bold.setBold(true);
        const int regularWidth = QFontMetrics(regular).horizontalAdvance(caption);
        const int boldWidth = QFontMetrics(bold).horizontalAdvance(caption);
        QVERIFY2(boldWidth > regularWidth + 8, "the bold face is not wider");
        const int ink =
            lumo::testing::measureCaptionCrossing(*box, QColor(255, 255, 255)).captionColumns;
        QVERIFY2(std::abs(ink - boldWidth) < std::abs(ink - regularWidth),
                 qPrintable(QStringLiteral("caption %1 px wide; bold %2, regular %3")
                                .arg(ink)
                                .arg(boldWidth)
                                .arg(regularWidth)));
    }

    // What no layout gives a font of its own keeps the desktop's: the menus, a message box, the
    // exit screen's Exit button, and tool tips, whose font Qt looks up by their class's name.
    void theRestKeepsTheDesktopFont()
    {
        const QFont desktop = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
        QMessageBox box;
        box.ensurePolished(); // a window takes its font when polished, as it is before it shows
        const QList<QWidget*> widgets{
            mainWindow()->findChild<QMenu*>(QStringLiteral("nuFile")),
            mainWindow()->findChild<QMenu*>(QStringLiteral("mnuHelp")), &box,
            m_exit->screen->findChild<QWidget*>(QStringLiteral("cmdClose"))};
        for (QWidget* widget : widgets) {
            QVERIFY(widget);
            QCOMPARE(QFontInfo(widget->font()).family(), QFontInfo(desktop).family());
            QVERIFY2(qFuzzyCompare(widget->font().pointSizeF(), desktop.pointSizeF()),
                     qPrintable(QLatin1String(widget->metaObject()->className()) + QLatin1Char(32) +
                                widget->objectName()));
        }
        QCOMPARE(QFontInfo(QToolTip::font()).family(), QFontInfo(desktop).family());
        QVERIFY(qFuzzyCompare(QToolTip::font().pointSizeF(), desktop.pointSizeF()));
    }

    // The go-home link shrinks to fit its width, so only its face and weight are fixed.
    void shrunkLinkKeepsItsFace()
    {
        const auto* link = m_exit->child<QWidget>("lblGoToHome");
        QVERIFY(link);
        const QFontInfo drawn(link->font());
        QCOMPARE(drawn.family(), kVerdanaStandIn);
        QVERIFY(drawn.bold());
        QVERIFY(link->font().pointSizeF() <= 9);
    }
};

LUMO_WINDOW_TEST_MAIN(WindowFontsTest)
#include "window_fonts_test.moc"
