#include "support/program_look.h"
#include "ui/window_chrome.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTest>
#include <QWidget>

namespace {
constexpr double kCaptionPoints = 9.0;
const QString kCaption = QStringLiteral("Click Here To Visit Starwell Softwares");

double captionWidth(const QLabel& label)
{
    return QFontMetricsF(label.font()).horizontalAdvance(label.text());
}
} // namespace

class WindowChromeTest final : public QObject {
    Q_OBJECT

private slots:
    // A fixed window opens in the middle of the screen's free area, the first time only: where
    // the user moves it afterwards, it stays.
    void aWindowIsCentredWhenFirstShown()
    {
        QWidget window;
        lumo::ui::chrome::makeFixedWindow(window);
        window.setFixedSize(300, 200);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QPoint screenCentre = window.screen()->availableGeometry().center();
        const QPoint offset = window.frameGeometry().center() - screenCentre;
        QVERIFY2(offset.manhattanLength() <= 2,
                 qPrintable(QStringLiteral("%1,%2 off centre").arg(offset.x()).arg(offset.y())));

        const QPoint movedTo = window.pos() + QPoint(40, 30);
        window.move(movedTo);
        window.hide();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.pos(), movedTo);
    }

    void shrinkToFitMakesACaptionFit_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<bool>("shrinks");
        QTest::newRow("room to spare") << 600 << false;
        QTest::newRow("a third too narrow") << 0 << true; // set from the caption below
        QTest::newRow("far too narrow") << 20 << true;
    }
    void shrinkToFitMakesACaptionFit()
    {
        QFETCH(int, width);
        QFETCH(bool, shrinks);
        QLabel label(kCaption);
        QFont font = label.font();
        font.setPointSizeF(kCaptionPoints);
        label.setFont(font);
        label.setWordWrap(false);
        const double natural = captionWidth(label);
        label.resize(width > 0 ? width : static_cast<int>(natural * 2 / 3), 20);

        lumo::ui::chrome::shrinkToFit(label);

        const double size = label.font().pointSizeF();
        if (!shrinks) {
            QCOMPARE(size, kCaptionPoints);
            return;
        }
        QVERIFY(size < kCaptionPoints);
        QVERIFY(size >= 6.0); // never below a readable size, even where nothing fits
        if (size > 6.0) {
            QVERIFY(captionWidth(label) <= label.contentsRect().width());
            // As large as fits: a quarter point more would not.
            QFont larger = label.font();
            larger.setPointSizeF(size + 0.25);
            QVERIFY(QFontMetricsF(larger).horizontalAdvance(kCaption) >
                    label.contentsRect().width());
        }
    }
};

LUMO_WINDOW_TEST_MAIN(WindowChromeTest)
#include "window_chrome_test.moc"
