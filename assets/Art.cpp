#include "assets/Art.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QHash>
#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QPixmapCache>
#include <QSvgRenderer>

#include <cmath>

namespace art {

namespace {

// "League Spartan" stands in for the geometric Futura of the headings, and
// the Liberation faces, metric twins of Times and Arial, for the serif and
// the small dialog font.
const QString SpartanFamily = QStringLiteral("League Spartan");
const QString SansFamily = QStringLiteral("Liberation Sans");
const QString SerifFamily = QStringLiteral("Liberation Serif");

QSize deviceSize(QSizeF logical, qreal dpr)
{
    return QSize(qRound(logical.width() * dpr), qRound(logical.height() * dpr));
}

void prepare(QPainter &painter)
{
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform |
                           QPainter::TextAntialiasing);
}

// An SVG drawn fresh for every size asked, so it is sharp at any scale.
// `small`, when given, is a second drawing made for sizes up to `smallUpTo`
// device pixels, where the full drawing would turn to mush. `element`
// renders just that element of the main drawing, fitted to the square.
// Each drawing is parsed once and kept: the skull of back 0 alone is drawn
// for the table's places, the icons and the information windows.
QSvgRenderer &svg(const QString &resource)
{
    static QHash<QString, QSvgRenderer *> parsed;
    QSvgRenderer *&renderer = parsed[resource];
    if (!renderer)
        renderer = new QSvgRenderer(resource, qApp);
    return *renderer;
}

class SvgIconEngine final : public QIconEngine {
public:
    SvgIconEngine(QString resource, QString element, QString small, int smallUpTo,
                  QList<QSize> sizes)
        : resource_(std::move(resource)), element_(std::move(element)),
          small_(std::move(small)), smallUpTo_(smallUpTo), sizes_(std::move(sizes))
    {
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal dpr = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        QPixmap pm = pixmap(deviceSize(rect.size(), dpr), mode, state);
        pm.setDevicePixelRatio(dpr);
        painter->drawPixmap(rect, pm);
    }

    QSize actualSize(const QSize &size, QIcon::Mode, QIcon::State) override
    {
        const int side = qMin(size.width(), size.height());
        return {side, side};
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State) override
    {
        const QSize square = actualSize(size, mode, QIcon::Off);
        if (square.isEmpty())
            return {};
        const QString key = QStringLiteral("art-icon:%1:%2:%3:%4")
                                .arg(resource_, element_)
                                .arg(square.width())
                                .arg(int(mode));
        QPixmap cached;
        if (QPixmapCache::find(key, &cached))
            return cached;

        QImage image(square, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
            QPainter painter(&image);
            prepare(painter);
            const bool useSmall = !small_.isEmpty() && square.width() <= smallUpTo_;
            QSvgRenderer &renderer = svg(useSmall ? small_ : resource_);
            const QRectF target(QPointF(0, 0), QSizeF(square));
            if (useSmall || element_.isEmpty()) {
                renderer.render(&painter, target);
            } else {
                // Fit the element's bounds to the square, keeping its shape.
                QSizeF bounds = renderer.boundsOnElement(element_).size();
                bounds.scale(target.size(), Qt::KeepAspectRatio);
                QRectF fitted(QPointF(0, 0), bounds);
                fitted.moveCenter(target.center());
                renderer.render(&painter, element_, fitted);
            }
        }
        if (mode == QIcon::Disabled)
            image = disabled(image);
        QPixmap pm = QPixmap::fromImage(std::move(image));
        QPixmapCache::insert(key, pm);
        return pm;
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override { return sizes_; }

    QIconEngine *clone() const override { return new SvgIconEngine(*this); }

    QString key() const override { return QStringLiteral("QuintrelSvg"); }

private:
    // Grey and faded, as a button that cannot be pressed.
    static QImage disabled(const QImage &source)
    {
        QImage image = source.convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < image.height(); ++y) {
            auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                const int grey = 96 + qGray(line[x]) / 2;
                line[x] = qRgba(grey, grey, grey, qAlpha(line[x]) / 2);
            }
        }
        return image;
    }

    QString resource_;
    QString element_;
    QString small_;
    int smallUpTo_;
    QList<QSize> sizes_;
};

QList<QSize> squares(std::initializer_list<int> sides)
{
    QList<QSize> out;
    for (int side : sides)
        out.append(QSize(side, side));
    return out;
}

} // namespace

namespace {

// The bundled font files, by face and weight (regular, bold).
const char *const FontFiles[3][2] = {
    {":/fonts/LeagueSpartan-Medium.otf", ":/fonts/LeagueSpartan-Bold.otf"},
    {":/fonts/LiberationSerif-Regular.ttf", ":/fonts/LiberationSerif-Bold.ttf"},
    {":/fonts/LiberationSans-Regular.ttf", ":/fonts/LiberationSans-Bold.ttf"},
};

// Each file is registered the first time its face and weight are wanted, so
// that start-up loads only the fonts of the table.
void registerFont(FontFace face, bool bold)
{
    static bool registered[3][2] = {};
    bool &done = registered[int(face)][bold ? 1 : 0];
    if (!done)
        QFontDatabase::addApplicationFont(QLatin1String(FontFiles[int(face)][bold ? 1 : 0]));
    done = true;
}

} // namespace

void registerFonts()
{
    for (FontFace face : {FontFace::Futura, FontFace::Times, FontFace::SansSerif})
        for (bool bold : {false, true})
            registerFont(face, bold);
}

QFont font(FontFace face, double points, bool bold)
{
    registerFont(face, bold);
    QFont f;
    switch (face) {
    case FontFace::Futura:
        f.setFamilies({SpartanFamily, SansFamily});
        f.setStyleHint(QFont::SansSerif);
        // The medium cut is the plain weight of this face; bold is its bold.
        f.setWeight(bold ? QFont::Bold : QFont::Medium);
        break;
    case FontFace::Times:
        f.setFamilies({SerifFamily});
        f.setStyleHint(QFont::Serif);
        f.setWeight(bold ? QFont::Bold : QFont::Normal);
        break;
    case FontFace::SansSerif:
        f.setFamilies({SansFamily});
        f.setStyleHint(QFont::SansSerif);
        f.setWeight(bold ? QFont::Bold : QFont::Normal);
        break;
    }
    f.setPixelSize(qMax(1, int(std::lround(points * 96.0 / 72.0))));
    return f;
}

QPixmap render(const QString &resource, QSize logical, qreal dpr)
{
    QImage image(deviceSize(logical, dpr), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(dpr);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    prepare(painter);
    svg(resource).render(&painter, QRectF(QPointF(0, 0), QSizeF(logical)));
    painter.end();
    return QPixmap::fromImage(std::move(image));
}

QIcon skullIcon()
{
    // Up to 23 device pixels the skull drawn for 16 pixels; above, the chrome
    // skull of card back 0.
    return QIcon(new SvgIconEngine(QStringLiteral(":/backs/back0.svg"), QStringLiteral("skull"),
                                   QStringLiteral(":/icons/skull16.svg"), 23,
                                   squares({16, 32, 48})));
}

QIcon heartIcon()
{
    return QIcon(new SvgIconEngine(QStringLiteral(":/icons/heart.svg"), {}, {}, 0,
                                   squares({16, 32, 48, 64, 128, 256})));
}

QIcon toolbarIcon(int number)
{
    static const char *const names[] = {"back", "forward", "stop", "refresh", "home", "search"};
    if (number < 1 || number > 6)
        return {};
    return QIcon(new SvgIconEngine(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(names[number - 1])),
                                   {}, {}, 0, squares({24, 48})));
}

} // namespace art
