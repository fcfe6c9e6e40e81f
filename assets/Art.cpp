#include "assets/Art.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QPainter>
#include <QSvgRenderer>

namespace art {

void registerFonts() {}

QFont font(FontFace face, double points, bool bold)
{
    QFont f(face == FontFace::Times ? QStringLiteral("Liberation Serif")
                                    : QStringLiteral("Liberation Sans"));
    f.setPixelSize(qRound(points * 96.0 / 72.0));
    f.setBold(bold);
    return f;
}

QPixmap render(const QString &resource, QSize logical, qreal dpr)
{
    QPixmap pixmap(logical * dpr);
    pixmap.setDevicePixelRatio(dpr);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(resource);
    QPainter painter(&pixmap);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(logical)));
    return pixmap;
}

QIcon skullIcon() { return {}; }
QIcon heartIcon() { return {}; }
QIcon toolbarIcon(int) { return {}; }
QPixmap skullPicture(qreal dpr) { return render(QStringLiteral(":/backs/back0.svg"), {75, 100}, dpr); }

} // namespace art
