#include "ui/frm_main.h"
#include "ui/frm_soul_urge.h"
#include "window_harness.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <cmath>
#include <memory>

using lumo::testing::child;
using lumo::testing::pixelsOf;
using lumo::testing::WindowHarness;
using lumo::ui::frmMain;

namespace {
const QColor kBlue(124, 165, 231);
const QColor kWhite(255, 255, 255);
const QColor kNavy(0, 0, 128);

// WCAG relative luminance and contrast ratio.
double luminance(const QColor& c)
{
    const auto channel = [](double v) {
        v /= 255.0;
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.red()) + 0.7152 * channel(c.green()) + 0.0722 * channel(c.blue());
}
double contrast(const QColor& a, const QColor& b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace

// The windows look as designed under a dark desktop palette: they set every colour they use.
class ThemeTest final : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        m_original = QApplication::palette();
        QApplication::setPalette(lumo::testing::darkDesktopPalette());
    }
    void cleanupTestCase() { QApplication::setPalette(m_original); }
    void init()
    {
        m_harness = std::make_unique<WindowHarness>();
        m_main = m_harness->makeMain();
        QVERIFY(lumo::testing::showActive(*m_main));
    }
    void cleanup()
    {
        m_main.reset();
        m_harness.reset();
    }

    void controlsKeepTheBlueAndWhiteInEveryState_data()
    {
        QTest::addColumn<QString>("control");
        for (const char* name : {"txtFirstName", "cboMonth", "cboDate", "cboYear", "cmdNext"}) {
            QTest::newRow(name) << QString::fromLatin1(name);
        }
    }
    void controlsKeepTheBlueAndWhiteInEveryState()
    {
        QFETCH(QString, control);
        QWidget* widget = m_main->findChild<QWidget*>(control);
        QVERIFY(widget);
        for (const auto group : {QPalette::Active, QPalette::Inactive}) {
            QCOMPARE(widget->palette().color(group, widget->backgroundRole()), kBlue);
            QCOMPARE(widget->palette().color(group, widget->foregroundRole()), kWhite);
        }
        const QColor disabled = widget->palette().color(QPalette::Disabled, QPalette::Text);
        QVERIFY2(contrast(disabled, QColor(35, 35, 35)) > 3.0, "no dark-theme grey");
        // What is drawn: mostly the window's blue, with white text.
        const QImage image = widget->grab().toImage();
        QVERIFY2(pixelsOf(image, kBlue) > image.width() * image.height() / 3,
                 qPrintable(control + QStringLiteral(" is not drawn in the window's blue")));
    }

    void anOpenListIsWhiteOnBlue()
    {
        auto* list = child<QComboBox>(*m_main, "cboMonth");
        list->showPopup();
        QWidget* popup = list->view();
        QTRY_VERIFY(popup->isVisible());
        QCOMPARE(popup->palette().color(QPalette::Base), kBlue);
        QCOMPARE(popup->palette().color(QPalette::Text), kWhite);
        list->hidePopup();
    }

    // The control with the keyboard focus wears a navy frame, 3:1 or more against the blue
    // around it; the others do not.
    void theFocusedControlStandsOut()
    {
        auto* next = child<QPushButton>(*m_main, "cmdNext");
        auto* first = child<QLineEdit>(*m_main, "txtFirstName");
        first->setFocus();
        QTRY_VERIFY(first->hasFocus());
        QVERIFY(pixelsOf(first->grab().toImage(), kNavy) > 0);
        QCOMPARE(pixelsOf(next->grab().toImage(), kNavy), 0);
        next->setFocus();
        QTRY_VERIFY(next->hasFocus());
        QVERIFY(pixelsOf(next->grab().toImage(), kNavy) > 2 * (next->width() + next->height()));
        // As drawn: the frame's colour against the frame's surroundings just outside the button.
        const QColor ring = next->grab().toImage().pixelColor(next->width() / 2, 0);
        QWidget* around = next->parentWidget();
        const QPoint outside(next->x() - 3, next->y() + next->height() / 2);
        const QColor surroundings =
            around->grab(QRect(outside, QSize(1, 1))).toImage().pixelColor(0, 0);
        QVERIFY2(contrast(ring, surroundings) >= 3.0,
                 qPrintable(ring.name() + QStringLiteral(" on ") + surroundings.name()));
        QCOMPARE(pixelsOf(first->grab().toImage(), kNavy), 0);
    }

    void theResultWindowKeepsItsLook()
    {
        child<QLineEdit>(*m_main, "txtFirstName")->setText(QStringLiteral("ANN"));
        child<QLineEdit>(*m_main, "txtLastName")->setText(QStringLiteral("LEE"));
        m_main->ShowSoulUrgeResult();
        QWidget* result = m_harness->result();
        QVERIFY(result);
        for (const char* name : {"txtDisplay", "cmdback"}) {
            QWidget* widget = child(*result, name);
            QCOMPARE(widget->palette().color(widget->backgroundRole()), kBlue);
            QCOMPARE(widget->palette().color(widget->foregroundRole()), kWhite);
        }
    }

private:
    QPalette m_original;
    std::unique_ptr<WindowHarness> m_harness;
    std::unique_ptr<frmMain> m_main;
};

QTEST_MAIN(ThemeTest)
#include "theme_test.moc"
