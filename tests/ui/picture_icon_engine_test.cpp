// The icon engine that decodes a picture only when a size needs it: which pictures each request
// loads, and what it draws them as.

#include "support/program_look.h"
#include "ui/picture_icon_engine.h"

#include <QIcon>
#include <QImage>
#include <QTest>

using lumo::ui::PictureIconEngine;

namespace {
const QList<int> kSides{16, 22, 24, 32, 48, 64, 128, 256};

// The icon under test, over pictures filled with their own side length as their blue value, so
// that a pixel tells which picture it came from; every load is recorded.
struct RecordedIcon {
    QList<int> loads;
    QIcon icon{new PictureIconEngine(kSides, {QSize(32, 32)}, [this](int side) {
        loads << side;
        QImage picture(side, side, QImage::Format_ARGB32);
        picture.fill(QColor(0, 0, side - 1));
        return QPixmap::fromImage(picture);
    })};
};
} // namespace

class PictureIconEngineTest final : public QObject {
    Q_OBJECT

private slots:
    void namesOnlyTheSizesItOffers()
    {
        RecordedIcon recorded;
        QCOMPARE(recorded.icon.availableSizes(), QList<QSize>{QSize(32, 32)});
        QCOMPARE(recorded.icon.actualSize(QSize(32, 32)), QSize(32, 32));
        QCOMPARE(recorded.icon.actualSize(QSize(40, 40)), QSize(40, 40)); // 48, fitted down
        QCOMPARE(recorded.icon.actualSize(QSize(512, 512)), QSize(256, 256));
        QVERIFY2(recorded.loads.isEmpty(), "sizes are known without decoding a picture");
    }

    void drawsEachRequestFromOnePicture_data()
    {
        QTest::addColumn<int>("side");
        QTest::addColumn<qreal>("scale");
        QTest::addColumn<int>("loaded");
        QTest::addColumn<int>("realSide");
        QTest::newRow("32 at 1") << 32 << 1.0 << 32 << 32;
        QTest::newRow("16 at 1") << 16 << 1.0 << 16 << 16;
        QTest::newRow("32 at 2") << 32 << 2.0 << 64 << 64;
        QTest::newRow("32 at 1.5, from the next larger") << 32 << 1.5 << 48 << 48;
        QTest::newRow("40 at 1, scaled down from 48") << 40 << 1.0 << 48 << 40;
        QTest::newRow("12 at 1, scaled down from 16") << 12 << 1.0 << 16 << 12;
        QTest::newRow("300 at 1, never blown up") << 300 << 1.0 << 256 << 256;
    }
    void drawsEachRequestFromOnePicture()
    {
        QFETCH(int, side);
        QFETCH(qreal, scale);
        QFETCH(int, loaded);
        QFETCH(int, realSide);
        RecordedIcon recorded;
        const QPixmap drawn = recorded.icon.pixmap(QSize(side, side), scale);
        QCOMPARE(recorded.loads, QList<int>{loaded});
        QCOMPARE(drawn.size(), QSize(realSide, realSide));
        const QColor centre = drawn.toImage().pixelColor(realSide / 2, realSide / 2);
        QCOMPARE(centre.blue(), loaded - 1);
    }

    // A title bar asks for its size again at every change of screen or state.
    void decodesEachPictureOnce()
    {
        RecordedIcon recorded;
        for (int round = 0; round < 3; ++round) {
            QVERIFY(!recorded.icon.pixmap(QSize(32, 32), 1.0).isNull());
            QVERIFY(!recorded.icon.pixmap(QSize(32, 32), 2.0).isNull());
        }
        QCOMPARE(recorded.loads, (QList<int>{32, 64}));
    }

    void copiesDrawTheSameWithoutDecodingAgain()
    {
        RecordedIcon recorded;
        QVERIFY(!recorded.icon.pixmap(QSize(32, 32), 1.0).isNull());
        const QIcon copy = recorded.icon; // shares the engine
        QVERIFY(!copy.pixmap(QSize(32, 32), 1.0).isNull());
        QCOMPARE(recorded.loads, QList<int>{32});
    }

    void missingPictureDrawsNothing()
    {
        QList<int> loads;
        const QIcon icon(new PictureIconEngine({32}, {QSize(32, 32)}, [&loads](int side) {
            loads << side;
            return QPixmap();
        }));
        QVERIFY(icon.pixmap(QSize(32, 32), 1.0).isNull());
        QCOMPARE(loads, QList<int>{32});
    }
};

LUMO_WINDOW_TEST_MAIN(PictureIconEngineTest)
#include "picture_icon_engine_test.moc"
