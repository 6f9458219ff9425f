// A wrapped caption laid out once draws the same pixels as QPainter::drawText, which lays it out
// at every call, and is laid out again only when its text, font, area or alignment changes.

#include "support/program_look.h"
#include "ui/clickable_label.h"
#include "ui/theme.h"
#include "ui/ui_texts.h"
#include "ui/wrapped_caption.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QTest>

using lumo::ui::WrappedCaption;

namespace {
constexpr QSize kCanvas{420, 90};

QImage blankCanvas()
{
    QImage image(kCanvas, QImage::Format_ARGB32_Premultiplied);
    image.fill(lumo::ui::theme::kWindowBlue);
    return image;
}

QFont fontFor(bool underline)
{
    return lumo::ui::theme::verdana(lumo::ui::theme::kBodyPointSize, false, underline);
}
} // namespace

class WrappedCaptionTest final : public QObject {
    Q_OBJECT

private slots:
    void drawsAsDrawTextDoes_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QRect>("area");
        QTest::addColumn<int>("vertical");
        QTest::addColumn<bool>("underline");
        const auto caption = [](const char* stored) { return lumo::ui::displayedCaption(stored); };
        namespace texts = lumo::ui::texts;
        // The offers' and the banner's areas on the main window, and the About link's.
        QTest::newRow("co-brand offer") << caption(texts::kCoBrandOffer) << QRect(14, 16, 383, 41)
                                        << int(Qt::AlignVCenter) << false;
        QTest::newRow("full-brand offer")
            << caption(texts::kFullBrandOffer) << QRect(14, 16, 383, 41) << int(Qt::AlignVCenter)
            << false;
        QTest::newRow("banner") << caption(texts::kForumBanner) << QRect(3, 9, 408, 39)
                                << int(Qt::AlignVCenter) << false;
        QTest::newRow("About link, underlined")
            << caption(texts::kAboutCoBrandLink) << QRect(10, 10, 180, 13) << int(Qt::AlignVCenter)
            << true;
        QTest::newRow("from the top") << caption(texts::kFullBrandOffer) << QRect(14, 16, 383, 60)
                                      << int(Qt::AlignTop) << false;
        QTest::newRow("from the bottom") << caption(texts::kFullBrandOffer)
                                         << QRect(14, 16, 383, 60) << int(Qt::AlignBottom) << false;
        QTest::newRow("overflowing: clipped, the last lines not drawn")
            << caption(texts::kCoBrandOffer) << QRect(14, 16, 150, 30) << int(Qt::AlignVCenter)
            << false;
        QTest::newRow("line breaks and tabs")
            << QStringLiteral("One\ttwo\nthree\r\nfour") << QRect(5, 5, 200, 70)
            << int(Qt::AlignVCenter) << false;
    }
    void drawsAsDrawTextDoes()
    {
        QFETCH(QString, text);
        QFETCH(QRect, area);
        QFETCH(int, vertical);
        QFETCH(bool, underline);

        QImage expected = blankCanvas();
        {
            QPainter painter(&expected);
            painter.setFont(fontFor(underline));
            painter.setPen(lumo::ui::theme::kText);
            painter.drawText(area, vertical | Qt::AlignLeft | Qt::TextWordWrap, text);
        }
        QImage drawn = blankCanvas();
        WrappedCaption caption;
        QVERIFY(
            caption.layOut(text, QFont(fontFor(underline), &drawn), area, Qt::Alignment(vertical)));
        {
            QPainter painter(&drawn);
            painter.setPen(lumo::ui::theme::kText);
            caption.draw(painter);
        }
        QVERIFY2(drawn != blankCanvas(), "the caption draws something");
        QCOMPARE(drawn, expected);
        QCOMPARE(caption.boundingRect(),
                 QFontMetrics(fontFor(underline))
                     .boundingRect(area, vertical | Qt::AlignLeft | Qt::TextWordWrap, text));
    }

    void laysOutAgainOnlyWhenSomethingChanged_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("pointSize");
        QTest::addColumn<QRect>("area");
        QTest::addColumn<int>("vertical");
        QTest::addColumn<bool>("laidOut");
        const QString same = QStringLiteral("Click here for more details.");
        const QRect area(0, 0, 100, 40);
        QTest::newRow("nothing changed") << same << 8.25 << area << int(Qt::AlignVCenter) << false;
        QTest::newRow("text") << QStringLiteral("Click here.") << 8.25 << area
                              << int(Qt::AlignVCenter) << true;
        QTest::newRow("font") << same << 9.0 << area << int(Qt::AlignVCenter) << true;
        QTest::newRow("width") << same << 8.25 << QRect(0, 0, 90, 40) << int(Qt::AlignVCenter)
                               << true;
        QTest::newRow("place") << same << 8.25 << QRect(3, 0, 100, 40) << int(Qt::AlignVCenter)
                               << true;
        QTest::newRow("alignment") << same << 8.25 << area << int(Qt::AlignTop) << true;
        // Only the vertical placement counts: the caption always starts at the left edge.
        QTest::newRow("horizontal flags ignored")
            << same << 8.25 << area << int(Qt::AlignVCenter | Qt::AlignLeft) << false;
    }
    void laysOutAgainOnlyWhenSomethingChanged()
    {
        QFETCH(QString, text);
        QFETCH(double, pointSize);
        QFETCH(QRect, area);
        QFETCH(int, vertical);
        QFETCH(bool, laidOut);
        WrappedCaption caption;
        QVERIFY(caption.layOut(QStringLiteral("Click here for more details."),
                               lumo::ui::theme::verdana(8.25), QRect(0, 0, 100, 40),
                               Qt::AlignVCenter));
        QCOMPARE(caption.layOut(text, lumo::ui::theme::verdana(pointSize), area,
                                Qt::Alignment(vertical)),
                 laidOut);
    }
};

LUMO_WINDOW_TEST_MAIN(WrappedCaptionTest)
#include "wrapped_caption_test.moc"
