// The game's pictures, icons and fonts: every one renders at its size for any
// pixel ratio, the backs are told apart, the Aces repeat, the labels fit.

#include "assets/Art.h"
#include "backs/CardBacks.h"
#include "game/CardFaces.h"
#include "game/frmQuintrel.h"
#include "support/FakePlatform.h"

#include <QDirIterator>
#include <QFontInfo>
#include <QLabel>
#include <QSvgRenderer>
#include <QtTest>

#include <cmath>

namespace {

QImage image(const QPixmap &pixmap)
{
    return pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
}

// The mean absolute difference per channel of two images of one size, 0 to 255.
double difference(const QImage &a, const QImage &b)
{
    Q_ASSERT(a.size() == b.size());
    double sum = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                   std::abs(qBlue(p) - qBlue(q)) + std::abs(qAlpha(p) - qAlpha(q));
        }
    }
    return sum / (4.0 * a.width() * a.height());
}

QImage shrunk(const QImage &source, QSize size)
{
    return source.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_ARGB32);
}

// A card picture at `dpr`: its device size, the device ratio it carries, and
// that it shows the same design as at ratio 1, only finer (a picture drawn
// in device pixels would fill just a corner of the larger pixmap).
void checkCard(const QPixmap &pixmap, const QPixmap &atOne, qreal dpr, const char *what)
{
    const QSize expected(qRound(75 * dpr), qRound(100 * dpr));
    QVERIFY2(pixmap.size() == expected, what);
    QCOMPARE(pixmap.devicePixelRatio(), dpr);
    const QImage img = image(pixmap);
    QVERIFY2(qAlpha(img.pixel(0, 0)) == 0, what);                        // round corner
    QVERIFY2(qAlpha(img.pixel(img.width() / 2, img.height() / 2)) == 255, what);
    QVERIFY2(difference(shrunk(img, {75, 100}), image(atOne)) < 12, what);
}

} // namespace

class ArtTest : public QObject {
    Q_OBJECT

private slots:
    void everyDrawingParses()
    {
        int count = 0, backs = 0;
        QDirIterator it(QStringLiteral(":/"), {QStringLiteral("*.svg")}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            QSvgRenderer renderer(path);
            QVERIFY2(renderer.isValid(), qPrintable(path));
            ++count;
            backs += path.startsWith(QStringLiteral(":/backs/"));
        }
        QCOMPARE(backs, cards::BackCount);
        QVERIFY(count >= cards::BackCount + 8);   // and the icons
    }

    void backsRenderAtEveryRatio()
    {
        for (int i = 0; i < cards::BackCount; ++i) {
            const QPixmap one = cards::back(i, 1.0);
            for (qreal dpr : {1.0, 1.5, 2.0})
                checkCard(cards::back(i, dpr), one, dpr, qPrintable(cards::backName(i)));
        }
        // A number out of range gives back 0.
        for (int i : {-1, 10, 99})
            QCOMPARE(image(cards::back(i, 1.0)), image(cards::back(0, 1.0)));
        QCOMPARE(cards::backName(12), cards::backName(0));
    }

    void noTwoBacksAlike()
    {
        // Compared as small thumbnails, so that a back that is just a
        // recoloured copy, or a blank, stands out too.
        QList<QImage> thumbs;
        QSet<QString> names;
        for (int i = 0; i < cards::BackCount; ++i) {
            thumbs.append(shrunk(image(cards::back(i, 1.0)), {15, 20}));
            names.insert(cards::backName(i));
        }
        QCOMPARE(names.size(), cards::BackCount);
        for (int i = 0; i < cards::BackCount; ++i)
            for (int j = i + 1; j < cards::BackCount; ++j)
                QVERIFY2(difference(thumbs[i], thumbs[j]) > 15,
                         qPrintable(cards::backName(i) + " / " + cards::backName(j)));
    }

    void facesRenderAndTheAcesRepeat()
    {
        QList<QImage> faces;
        for (int i = 0; i < cards::FaceCount; ++i) {
            const QPixmap one = cards::face(i, 1.0);
            faces.append(image(one));
            for (qreal dpr : {1.5, 2.0})
                checkCard(cards::face(i, dpr), one, dpr, qPrintable(QString::number(i)));
        }
        for (int suit = 0; suit < 4; ++suit) {
            const QImage ace = faces[suit * 13];
            const QImage ace2 = image(cards::face(suit * 13, 2.0));
            for (int position = 10; position <= 12; ++position) {
                QCOMPARE(faces[suit * 13 + position], ace);
                QCOMPARE(image(cards::face(suit * 13 + position, 2.0)), ace2);
            }
            // Every rank looks different from every other of its suit...
            for (int a = 0; a < 10; ++a)
                for (int b = a + 1; b < 10; ++b)
                    QVERIFY(faces[suit * 13 + a] != faces[suit * 13 + b]);
        }
        // ...and hearts and diamonds are red, spades and clubs black.
        auto redInk = [&](int index) {
            const QImage &img = faces[index];
            int red = 0;
            for (int y = 0; y < img.height(); ++y)
                for (int x = 0; x < img.width(); ++x) {
                    const QRgb p = img.pixel(x, y);
                    red += qRed(p) > 200 && qGreen(p) < 60 && qBlue(p) < 60;
                }
            return red;
        };
        for (int position : {0, 4, 9}) {
            QCOMPARE(redInk(0 * 13 + position), 0);
            QVERIFY(redInk(1 * 13 + position) > 300);
            QCOMPARE(redInk(2 * 13 + position), 0);
            QVERIFY(redInk(3 * 13 + position) > 300);
        }
        // Each suit has its own symbol.
        QVERIFY(faces[0] != faces[26]);
        QVERIFY(faces[13] != faces[39]);
    }

    void iconsRenderAtTheirSizes()
    {
        struct Case { QIcon icon; int side; };
        QList<Case> cases = {{art::skullIcon(), 16}, {art::skullIcon(), 32},
                             {art::heartIcon(), 16}, {art::heartIcon(), 32}};
        for (int n = 1; n <= 6; ++n)
            cases.append({art::toolbarIcon(n), 24});
        for (const Case &c : cases) {
            QVERIFY(!c.icon.isNull());
            for (qreal dpr : {1.0, 2.0}) {
                const QPixmap pm = c.icon.pixmap(QSize(c.side, c.side), dpr);
                QCOMPARE(pm.size(), QSize(c.side, c.side) * dpr);
                QCOMPARE(pm.devicePixelRatio(), dpr);
                const QImage img = image(pm);
                QVERIFY(qAlpha(img.pixel(img.width() / 2, img.height() / 2)) > 0);
            }
            QVERIFY(image(c.icon.pixmap(QSize(c.side, c.side), 1.0, QIcon::Disabled)) !=
                    image(c.icon.pixmap(QSize(c.side, c.side), 1.0)));
        }
        QVERIFY(art::toolbarIcon(0).isNull());
        QVERIFY(art::toolbarIcon(7).isNull());
        for (int a = 1; a <= 6; ++a)
            for (int b = a + 1; b <= 6; ++b)
                QVERIFY(image(art::toolbarIcon(a).pixmap(24, 24)) !=
                        image(art::toolbarIcon(b).pixmap(24, 24)));

        const QPixmap one = art::skullPicture(1.0);
        checkCard(art::skullPicture(2.0), one, 2.0, "skull picture");
    }

    void fontsAreTheBundledFaces()
    {
        struct Case { art::FontFace face; double points; bool bold; int pixels; QString family; };
        const Case cases[] = {
            {art::FontFace::Futura, 12, true, 16, "League Spartan"},
            {art::FontFace::Futura, 26.25, false, 35, "League Spartan"},
            {art::FontFace::Times, 26.25, true, 35, "Liberation Serif"},
            {art::FontFace::SansSerif, 8.25, false, 11, "Liberation Sans"},
            {art::FontFace::SansSerif, 9.75, true, 13, "Liberation Sans"},
        };
        for (const Case &c : cases) {
            const QFont font = art::font(c.face, c.points, c.bold);
            QCOMPARE(font.pixelSize(), c.pixels);
            const QFontInfo info(font);
            QCOMPARE(info.family(), c.family);
            QCOMPARE(info.weight() >= QFont::Bold, c.bold);
        }
    }

    void mainWindowLabelsFitTheirBoxes()
    {
        FakePlatform platform;
        frmQuintrel w(platform);
        // What each label shows at its widest during play, beside its design caption.
        const QHash<QString, QStringList> runTime = {
            {"lblBonusTxt", {"ROUND 3", "ELEVENS BONUS", "TIME LEFT BONUS", "CLEAR SCREEN",
                             "CARDS LEFT", "GAME OVER"}},
            {"lblBonusScore", {"30000", "99000"}},
            {"lblScoreTot", {"888888"}},
            {"lblHighScore", {"888888"}},
            {"lblRunTot", {"88"}},
            {"lblEleven", {"88"}},
            {"lblCardsLeft", {"30"}},
        };
        const QList<QLabel *> labels = w.findChildren<QLabel *>();
        QVERIFY(labels.size() >= 12);
        for (QLabel *label : labels) {
            const QFontMetricsF fm(label->font());
            const QRectF box = label->contentsRect();
            const QStringList texts = QStringList{label->text()} + runTime.value(label->objectName());
            for (const QString &text : texts) {
                const QString what = label->objectName() + ": " + text;
                if (label->wordWrap()) {
                    const QRectF used = fm.boundingRect(QRectF(0, 0, box.width(), 1000),
                                                        Qt::TextWordWrap | label->alignment(), text);
                    QVERIFY2(used.width() <= box.width() && used.height() <= box.height(),
                             qPrintable(what));
                } else {
                    // The ink of one line, set at the top: its width, and from
                    // the top down to the lowest glyph.
                    const QRectF ink = fm.tightBoundingRect(text);
                    QVERIFY2(fm.horizontalAdvance(text) <= box.width(), qPrintable(what));
                    QVERIFY2(fm.ascent() + ink.bottom() <= box.height(), qPrintable(what));
                }
            }
        }
        // "CARDS LEFT:" is narrower than its text: it wraps onto two lines.
        const QFontMetricsF fm(w.lblCards->font());
        const QRectF two = fm.boundingRect(QRectF(0, 0, w.lblCards->width(), 1000), Qt::TextWordWrap,
                                           w.lblCards->text());
        QVERIFY(two.height() > 1.5 * fm.lineSpacing() && two.height() < 2.5 * fm.lineSpacing());
    }
};

QTEST_MAIN(ArtTest)
#include "tst_art.moc"
