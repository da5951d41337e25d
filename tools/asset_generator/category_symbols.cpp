#include "category_symbols.h"

#include <QPainterPath>
#include <QPolygonF>
#include <QtMath>

#include <array>

namespace pellory::assets {
namespace {

const QColor kSunGold(255, 214, 64);

void drawHeart(QPainter &p, const QColor &ink, const QColor &)
{
    QPainterPath heart;
    heart.moveTo(12, 21.5);
    heart.cubicTo(5, 16, 1.5, 12, 1.5, 8);
    heart.cubicTo(1.5, 4.5, 4, 2.5, 7, 2.5);
    heart.cubicTo(9.3, 2.5, 11, 3.8, 12, 5.8);
    heart.cubicTo(13, 3.8, 14.7, 2.5, 17, 2.5);
    heart.cubicTo(20, 2.5, 22.5, 4.5, 22.5, 8);
    heart.cubicTo(22.5, 12, 19, 16, 12, 21.5);
    p.fillPath(heart, ink);
}

void drawSmile(QPainter &p, const QColor &ink, const QColor &base)
{
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawEllipse(QPointF(12, 12), 10.5, 10.5);
    p.setBrush(base);
    p.drawEllipse(QPointF(8.3, 9.2), 1.7, 2.1);
    p.drawEllipse(QPointF(15.7, 9.2), 1.7, 2.1);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(base, 2.0, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(6.5, 6.5, 11, 10.5), -20 * 16, -140 * 16);
}

void drawPencil(QPainter &p, const QColor &ink, const QColor &base)
{
    p.save();
    p.translate(12, 12);
    p.rotate(45);
    p.translate(-12, -12);
    const QRectF body(8.6, 0.5, 6.8, 15.5);
    p.fillRect(body, ink);
    QPolygonF tip;
    tip << QPointF(8.6, 16) << QPointF(15.4, 16) << QPointF(12, 23.5);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawPolygon(tip);
    // The ferrule and the lead make it read as a pencil, not an arrow.
    p.setPen(QPen(base, 1.2));
    p.drawLine(QPointF(8.6, 4.2), QPointF(15.4, 4.2));
    p.drawLine(QPointF(8.6, 16), QPointF(15.4, 16));
    p.setPen(Qt::NoPen);
    p.setBrush(base);
    QPolygonF lead;
    lead << QPointF(10.9, 20.7) << QPointF(13.1, 20.7) << QPointF(12, 23.5);
    p.drawPolygon(lead);
    p.restore();
}

void drawStar(QPainter &p, const QColor &ink, const QColor &)
{
    QPolygonF star;
    for (int i = 0; i < 10; ++i) {
        const double radius = (i % 2 == 0) ? 11.5 : 4.8;
        const double angle = qDegreesToRadians(-90.0 + 36.0 * i);
        star << QPointF(12 + radius * qCos(angle), 12.8 + radius * qSin(angle));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawPolygon(star);
}

void drawMoonAndSun(QPainter &p, const QColor &ink, const QColor &)
{
    p.setPen(QPen(kSunGold, 1.4, Qt::SolidLine, Qt::RoundCap));
    const QPointF sun(18, 6);
    for (int i = 0; i < 8; ++i) {
        const double angle = qDegreesToRadians(45.0 * i);
        const QPointF direction(qCos(angle), qSin(angle));
        p.drawLine(sun + direction * 3.6, sun + direction * 5.4);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(kSunGold);
    p.drawEllipse(sun, 2.6, 2.6);

    QPainterPath disc;
    disc.addEllipse(QPointF(10.5, 13.5), 9, 9);
    QPainterPath bite;
    bite.addEllipse(QPointF(15, 9.5), 7.5, 7.5);
    p.fillPath(disc.subtracted(bite), ink);
}

void drawLightning(QPainter &p, const QColor &ink, const QColor &)
{
    QPolygonF bolt;
    bolt << QPointF(14, 0.8) << QPointF(4.5, 13.5) << QPointF(10.8, 13.5) << QPointF(8.8, 23.2)
         << QPointF(19.5, 9.3) << QPointF(13.2, 9.3) << QPointF(16.5, 0.8);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawPolygon(bolt);
}

using SymbolPainter = void (*)(QPainter &, const QColor &, const QColor &);
constexpr std::array<SymbolPainter, 6> kSymbols{drawHeart, drawSmile, drawPencil,
                                                drawStar, drawMoonAndSun, drawLightning};

} // namespace

void drawCategorySymbol(QPainter &painter, int index, const QColor &ink, const QColor &base)
{
    painter.save();
    kSymbols.at(static_cast<std::size_t>(index))(painter, ink, base);
    painter.restore();
}

} // namespace pellory::assets
