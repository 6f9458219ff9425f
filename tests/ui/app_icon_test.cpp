// The application icon on a screen at twice the normal scale (QT_SCALE_FACTOR=2, set by the
// test's registration): it names the one size of the design, every size is drawn from its own
// rendered picture, and the picture boxes stay 32 x 32 logical pixels while drawing 64 x 64
// real ones.

#include "support/fakes.h"
#include "support/program_look.h"
#include "ui/app_icon.h"
#include "ui/frm_about.h"
#include "web/mod_help.h"

#include <QApplication>
#include <QLabel>
#include <QTest>

namespace {
constexpr int kScale = 2;
constexpr int kPictureSide = 32;

// The picture resources/icons holds for one side length, in a form that compares pixel by pixel.
QImage renderedIcon(int side)
{
    return QImage(QStringLiteral(LUMO_ICON_DIR "/app-icon-%1.png").arg(side))
        .convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// The pixels alone: the scale they are meant for is checked on its own.
QImage comparable(const QPixmap& pixmap)
{
    QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(1.0);
    return image;
}
} // namespace

class AppIconTest final : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QCOMPARE(qApp->devicePixelRatio(), qreal(kScale)); }

    // A window system that takes every size an icon names (X11's _NET_WM_ICON) is handed the
    // 32 x 32 image alone; docks and task switchers use the installed theme icon.
    void namesTheDesignsOneSize()
    {
        QCOMPARE(lumo::ui::applicationIcon().availableSizes(), QList<QSize>{QSize(32, 32)});
    }

    void drawsEachSizeFromItsOwnPicture_data()
    {
        QTest::addColumn<int>("side");
        for (const int side : {16, 22, 24, 32, 48, 64, 128, 256}) {
            QTest::addRow("%d px", side) << side;
        }
    }
    void drawsEachSizeFromItsOwnPicture()
    {
        QFETCH(int, side);
        const QImage expected = renderedIcon(side);
        QVERIFY2(!expected.isNull(), "the rendered icon is missing");
        const QPixmap drawn = lumo::ui::applicationIcon().pixmap(QSize(side, side), 1.0);
        QCOMPARE(comparable(drawn), expected);
    }

    // As a title bar asks it: one icon, every size in turn, at the screen's scale.
    void oneIconDrawsEverySizeAtTheScreensScale()
    {
        struct Drawn {
            int side;
            int realSide;
        };
        // Twice each side, but for the largest picture, which is never blown up.
        const Drawn table[] = {{16, 32}, {22, 44},  {24, 48},   {32, 64},
                               {48, 96}, {64, 128}, {128, 256}, {256, 256}};
        const QIcon icon = lumo::ui::applicationIcon();
        for (const Drawn& row : table) {
            const QPixmap drawn = icon.pixmap(QSize(row.side, row.side));
            QCOMPARE(drawn.size(), QSize(row.realSide, row.realSide));
        }
        QCOMPARE(comparable(icon.pixmap(QSize(32, 32))), renderedIcon(64));
    }

    void pictureIsThirtyTwoLogicalPixelsDrawnFromTheSixtyFourPixelOne()
    {
        const QPixmap picture = lumo::ui::applicationPixmap();
        QCOMPARE(picture.deviceIndependentSize(), QSizeF(kPictureSide, kPictureSide));
        QCOMPARE(picture.size(), QSize(kPictureSide * kScale, kPictureSide * kScale));
        QCOMPARE(comparable(picture), renderedIcon(kPictureSide * kScale));
    }

    void aboutWindowPictureBoxKeepsItsSize()
    {
        lumo::testing::FakeWebOpener opener;
        lumo::testing::FakeMessages messages;
        lumo::modHelp::PageLauncher pages(opener, messages);
        lumo::ui::frmAbout about(pages);
        const auto* box = about.findChild<QLabel*>(QStringLiteral("Picture1"));
        QVERIFY(box != nullptr);
        QCOMPARE(box->size(), QSize(kPictureSide, kPictureSide));
        QCOMPARE(box->pixmap().deviceIndependentSize(), QSizeF(kPictureSide, kPictureSide));
        QCOMPARE(box->pixmap().size(), QSize(kPictureSide * kScale, kPictureSide * kScale));
    }
};

LUMO_WINDOW_TEST_MAIN(AppIconTest)
#include "app_icon_test.moc"
