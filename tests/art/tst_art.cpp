// The card pictures: each is drawn afresh for the screen's pixel ratio, the
// Aces repeat, and no two ranks of a suit nor two backs look alike. The
// icons are drawn at every size.

#include "assets/Art.h"
#include "cards/CardArt.h"

#include <QtTest>

#include <cmath>

namespace {

QImage image(const QPixmap &pixmap) { return pixmap.toImage().convertToFormat(QImage::Format_ARGB32); }

QImage resized(const QImage &source, QSize size, Qt::TransformationMode mode)
{
    return source.scaled(size, Qt::IgnoreAspectRatio, mode).convertToFormat(QImage::Format_ARGB32);
}

// The mean absolute difference per channel of two images of one size, 0 to 255.
double difference(const QImage &a, const QImage &b)
{
    double sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            for (int shift : {0, 8, 16, 24})
                sum += std::abs(int(a.pixel(x, y) >> shift & 0xff) - int(b.pixel(x, y) >> shift & 0xff));
    return sum / (4.0 * a.width() * a.height());
}

// Face 0 to 51, then back 0 to 9.
QPixmap card(int i, qreal dpr)
{
    return i < cards::FaceCount ? cards::face(i, dpr) : cards::back(i - cards::FaceCount, dpr);
}

} // namespace

class ArtTest : public QObject {
    Q_OBJECT

private slots:
    void everyCardIsDrawnAtTwiceThePixelsAtRatioTwo()
    {
        for (int i = 0; i < cards::FaceCount + cards::BackCount; ++i) {
            const QImage one = image(card(i, 1)), two = image(card(i, 2));
            QCOMPARE(one.size(), QSize(75, 100));
            QCOMPARE(card(i, 2).deviceIndependentSize(), QSizeF(75, 100));
            QCOMPARE(two.size(), QSize(150, 200));
            // The same design, not a corner of it, and finer than the picture
            // at ratio 1 blown up, either way.
            QVERIFY2(difference(resized(two, {75, 100}, Qt::SmoothTransformation), one) < 12,
                     qPrintable(QString::number(i)));
            for (auto mode : {Qt::FastTransformation, Qt::SmoothTransformation})
                QVERIFY2(difference(two, resized(one, {150, 200}, mode)) > 0.5,
                         qPrintable(QString::number(i)));
            // Positions 10 to 12 of each suit repeat its Ace.
            if (i < cards::FaceCount && i % 13 >= 10) {
                QCOMPARE(one, image(card(i - i % 13, 1)));
                QCOMPARE(two, image(card(i - i % 13, 2)));
            }
        }
    }

    void noTwoRanksOrBacksAlikeAndNoIconBlank()
    {
        for (int suit = 0; suit < 4; ++suit)
            for (int a = 0; a < 10; ++a)
                for (int b = a + 1; b < 10; ++b)
                    QVERIFY(image(card(suit * 13 + a, 1)) != image(card(suit * 13 + b, 1)));
        // Backs are compared as thumbnails, so that a recoloured copy or a
        // blank stands out too.
        QList<QImage> thumbs;
        for (int i = 0; i < cards::BackCount; ++i)
            thumbs.append(resized(image(cards::back(i, 1)), {15, 20}, Qt::SmoothTransformation));
        for (int i = 0; i < cards::BackCount; ++i)
            for (int j = i + 1; j < cards::BackCount; ++j)
                QVERIFY2(difference(thumbs[i], thumbs[j]) > 15, qPrintable(cards::backName(i)));
        // The window's icon small (its own drawing) and large (the chrome
        // skull), the browser's and a toolbar button's: none comes out blank.
        for (const QIcon &icon : {art::skullIcon(), art::heartIcon(), art::toolbarIcon(1)})
            for (const int size : {16, 48})
                QVERIFY(!QRegion(QBitmap::fromImage(icon.pixmap(size).toImage().createAlphaMask())).isEmpty());
    }
};

QTEST_MAIN(ArtTest)
#include "tst_art.moc"
