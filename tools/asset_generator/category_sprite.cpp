#include "category_sprite.h"

#include "category_symbols.h"
#include "window_layout.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <array>

namespace pellory::assets {
namespace {

// One hue per category, in the order of the categories "1".."6".
constexpr std::array<QRgb, kCategoryCount> kCategoryHues{
    0xD7263D, // love: crimson
    0xEE8A1C, // friendship: warm orange
    0x2F6FD6, // work and study: blue
    0x8E44AD, // holidays: purple
    0x283593, // morning and night: deep indigo
    0x2E9E4F, // just for laughs: green
};

void paintDisc(QPainter &p, const QPointF &centre, double radius, const QColor &hue)
{
    QRadialGradient body(centre - QPointF(radius * 0.35, radius * 0.45), radius * 1.5);
    body.setColorAt(0.0, hue.lighter(150));
    body.setColorAt(0.55, hue);
    body.setColorAt(1.0, hue.darker(170));
    p.setPen(QPen(hue.darker(220), 1.3));
    p.setBrush(body);
    p.drawEllipse(centre, radius - 0.65, radius - 0.65);
}

void paintGloss(QPainter &p, const QPointF &centre, double radius)
{
    const QRectF shine(centre.x() - radius * 0.72, centre.y() - radius * 0.9, radius * 1.44,
                       radius * 0.95);
    QLinearGradient gloss(shine.topLeft(), shine.bottomLeft());
    gloss.setColorAt(0.0, QColor(255, 255, 255, 150));
    gloss.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(gloss);
    p.drawEllipse(shine);
}

void paintSymbol(QPainter &p, int index, const QPointF &centre, const QColor &hue)
{
    const double side = kSpriteSide * 0.56;
    p.save();
    p.translate(centre - QPointF(side / 2, side / 2));
    p.scale(side / kSymbolBox, side / kSymbolBox);
    // A soft offset shadow keeps the white symbol legible on the lit side.
    p.save();
    p.translate(0.0, 0.9);
    drawCategorySymbol(p, index, QColor(0, 0, 0, 70), QColor(0, 0, 0, 0));
    p.restore();
    drawCategorySymbol(p, index, Qt::white, hue.darker(130));
    p.restore();
}

} // namespace

QImage paintCategorySprite(int index)
{
    QImage image(kSpriteSide, kSpriteSide, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    const QColor hue = QColor::fromRgb(kCategoryHues.at(static_cast<std::size_t>(index)));
    const QPointF centre(kSpriteSide / 2.0, kSpriteSide / 2.0);
    const double radius = kSpriteSide / 2.0 - 0.5;

    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    paintDisc(p, centre, radius, hue);
    paintSymbol(p, index, centre, hue);
    paintGloss(p, centre, radius);
    p.end();
    return image;
}

} // namespace pellory::assets
