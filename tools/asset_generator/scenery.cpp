#include "scenery.h"

#include "seeded_random.h"

#include <QPainterPath>
#include <QtMath>

namespace pellory::assets {
namespace {

void paintPaperGrain(QPainter &p, SeededRandom &random, QSize area)
{
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 1800; ++i) {
        const bool dark = random.next() % 2 == 0;
        p.setBrush(dark ? QColor(120, 80, 30, 18) : QColor(255, 255, 255, 28));
        p.drawEllipse(QPointF(random.between(0, area.width()), random.between(0, area.height())),
                      0.7, 0.7);
    }
}

void paintEnvelope(QPainter &p, const QPointF &centre, double width, double angle)
{
    const double height = width * 0.62;
    p.save();
    p.translate(centre);
    p.rotate(angle);
    const QRectF body(-width / 2, -height / 2, width, height);
    p.setBrush(QColor(255, 250, 238, 150));
    p.drawRoundedRect(body, 2, 2);
    QPainterPath flap;
    flap.moveTo(body.topLeft());
    flap.lineTo(0, height * 0.08);
    flap.lineTo(body.topRight());
    p.setBrush(Qt::NoBrush);
    p.drawPath(flap);
    p.restore();
}

void paintLetters(QPainter &p, SeededRandom &random, QSize area)
{
    paintPaperGrain(p, random, area);
    p.setPen(QPen(QColor(140, 90, 50, 110), 1.3));
    paintEnvelope(p, QPointF(34, 72), 44, -12);
    paintEnvelope(p, QPointF(30, 150), 36, 9);
    paintEnvelope(p, QPointF(70, 232), 52, -6);
    paintEnvelope(p, QPointF(360, 238), 40, 11);
    // A thin double rule frames the window like a card.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(122, 70, 36, 150), 1));
    p.drawRect(QRectF(3.5, 3.5, area.width() - 7, area.height() - 7));
    p.drawRect(QRectF(6.5, 6.5, area.width() - 13, area.height() - 13));
}

void paintStars(QPainter &p, SeededRandom &random, QSize area)
{
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 150; ++i) {
        const int alpha = 90 + static_cast<int>(random.next() % 160);
        p.setBrush(QColor(255, 250, 230, alpha));
        p.drawEllipse(QPointF(random.between(0, area.width()), random.between(0, area.height())),
                      random.between(0.35, 1.25), random.between(0.35, 1.25));
    }
    p.setPen(QPen(QColor(255, 255, 255, 170), 0.8));
    for (int i = 0; i < 7; ++i) {
        const QPointF c(random.between(0, area.width()), random.between(0, area.height() * 0.7));
        p.drawLine(c - QPointF(3.5, 0), c + QPointF(3.5, 0));
        p.drawLine(c - QPointF(0, 3.5), c + QPointF(0, 3.5));
    }
}

void paintMoon(QPainter &p, const QPointF &centre, double radius)
{
    QRadialGradient glow(centre, radius * 2.2);
    glow.setColorAt(0.0, QColor(255, 240, 180, 90));
    glow.setColorAt(1.0, QColor(255, 240, 180, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(centre, radius * 2.2, radius * 2.2);
    QPainterPath disc;
    disc.addEllipse(centre, radius, radius);
    QPainterPath shadow;
    shadow.addEllipse(centre + QPointF(radius * 0.45, -radius * 0.3), radius * 0.85, radius * 0.85);
    p.fillPath(disc.subtracted(shadow), QColor(255, 236, 170));
}

void paintHills(QPainter &p, QSize area, const QColor &near, const QColor &far)
{
    const double w = area.width();
    const double h = area.height();
    QPainterPath back;
    back.moveTo(0, h - 34);
    back.cubicTo(w * 0.25, h - 64, w * 0.45, h - 20, w * 0.7, h - 44);
    back.cubicTo(w * 0.85, h - 58, w * 0.95, h - 40, w, h - 46);
    back.lineTo(w, h);
    back.lineTo(0, h);
    p.fillPath(back, far);
    QPainterPath front;
    front.moveTo(0, h - 14);
    front.cubicTo(w * 0.3, h - 30, w * 0.55, h - 2, w, h - 22);
    front.lineTo(w, h);
    front.lineTo(0, h);
    p.fillPath(front, near);
}

void paintStarryNight(QPainter &p, SeededRandom &random, QSize area)
{
    paintStars(p, random, area);
    paintMoon(p, QPointF(42, 222), 22);
    paintHills(p, area, QColor(8, 10, 34), QColor(22, 24, 66));
}

void paintSnowflake(QPainter &p, const QPointF &centre, double radius, double angle)
{
    p.save();
    p.translate(centre);
    p.rotate(angle);
    for (int arm = 0; arm < 6; ++arm) {
        p.drawLine(QPointF(0, 0), QPointF(0, -radius));
        p.drawLine(QPointF(0, -radius * 0.55), QPointF(radius * 0.25, -radius * 0.8));
        p.drawLine(QPointF(0, -radius * 0.55), QPointF(-radius * 0.25, -radius * 0.8));
        p.rotate(60);
    }
    p.restore();
}

void paintSnowfall(QPainter &p, SeededRandom &random, QSize area)
{
    paintHills(p, area, QColor(255, 255, 255), QColor(214, 234, 248));
    for (int i = 0; i < 46; ++i) {
        const double radius = random.between(2.5, 8.5);
        const int alpha = 120 + static_cast<int>(radius * 14);
        p.setPen(QPen(QColor(255, 255, 255, alpha), radius > 5 ? 1.3 : 0.9, Qt::SolidLine,
                      Qt::RoundCap));
        paintSnowflake(p,
                       QPointF(random.between(0, area.width()), random.between(0, area.height())),
                       radius, random.between(0, 60));
    }
}

} // namespace

void paintScenery(QPainter &painter, const SkinStyle &style, QSize area)
{
    SeededRandom random(style.seed);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    switch (style.scenery) {
    case Scenery::Letters:
        paintLetters(painter, random, area);
        break;
    case Scenery::StarryNight:
        paintStarryNight(painter, random, area);
        break;
    case Scenery::Snowfall:
        paintSnowfall(painter, random, area);
        break;
    }
    painter.restore();
}

} // namespace pellory::assets
