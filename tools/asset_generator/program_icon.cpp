#include "program_icon.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <array>

namespace pellory::assets {
namespace {

const QColor kFillTop(92, 124, 250);
const QColor kFillBottom(54, 48, 180);
const QColor kOutline(30, 26, 110);
constexpr std::array<QRgb, 3> kDots{0xFF5A6E, 0xFFD24A, 0x5BE08A};

QPainterPath largeBubble(double u)
{
    QPainterPath path;
    path.addRoundedRect(QRectF(1.5 * u, 3 * u, 29 * u, 20 * u), 6 * u, 6 * u);
    QPainterPath tail;
    tail.moveTo(8 * u, 21 * u);
    tail.lineTo(6.5 * u, 29.5 * u);
    tail.lineTo(15 * u, 21 * u);
    tail.closeSubpath();
    return path.united(tail);
}

// Body and tail of the small icon; coordinates on pixel centres so a 1-pixel
// outline covers whole pixels.
QPainterPath smallBubble()
{
    QPainterPath path;
    path.addRoundedRect(QRectF(1.5, 3.5, 28, 18), 5, 5);
    QPainterPath tail;
    tail.moveTo(7.5, 20);
    tail.lineTo(7.5, 27.5);
    tail.lineTo(15, 20);
    tail.closeSubpath();
    return path.united(tail);
}

void paintBubble(QPainter &p, const QPainterPath &bubble, double top, double bottom, double pen)
{
    QLinearGradient fill(0, top, 0, bottom);
    fill.setColorAt(0.0, kFillTop);
    fill.setColorAt(1.0, kFillBottom);
    p.setPen(QPen(kOutline, pen, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p.setBrush(fill);
    p.drawPath(bubble);
}

void paintDots(QPainter &p, const std::array<QPointF, 3> &centres, double radius)
{
    p.setPen(Qt::NoPen);
    for (std::size_t i = 0; i < kDots.size(); ++i) {
        p.setBrush(QColor::fromRgb(kDots[i]));
        p.drawEllipse(centres[i], radius, radius);
    }
}

QImage blankIcon(int side)
{
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

} // namespace

QImage paintProgramIcon(int side)
{
    QImage image = blankIcon(side);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double u = side / 32.0;
    paintBubble(p, largeBubble(u), 3 * u, 30 * u, std::max(1.0, 1.2 * u));
    paintDots(p, {QPointF(9 * u, 13 * u), QPointF(16 * u, 13 * u), QPointF(23 * u, 13 * u)},
              2.6 * u);
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

QImage paintSmallProgramIcon()
{
    QImage image = blankIcon(32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // The gradient runs over the body only, so the tail keeps the darkest tone.
    paintBubble(p, smallBubble(), 4, 21, 1.0);
    paintDots(p, {QPointF(8.5, 12.5), QPointF(15.5, 12.5), QPointF(22.5, 12.5)}, 2.5);
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

} // namespace pellory::assets
