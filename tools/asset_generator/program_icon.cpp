#include "program_icon.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <array>

namespace pellory::assets {
namespace {

QPainterPath bubble(double side)
{
    const double u = side / 32.0;
    QPainterPath path;
    path.addRoundedRect(QRectF(1.5 * u, 3 * u, 29 * u, 20 * u), 6 * u, 6 * u);
    QPainterPath tail;
    tail.moveTo(8 * u, 21 * u);
    tail.lineTo(6.5 * u, 29.5 * u);
    tail.lineTo(15 * u, 21 * u);
    tail.closeSubpath();
    return path.united(tail);
}

} // namespace

QImage paintProgramIcon(int side)
{
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double u = side / 32.0;

    QLinearGradient fill(0, 3 * u, 0, 30 * u);
    fill.setColorAt(0.0, QColor(92, 124, 250));
    fill.setColorAt(1.0, QColor(54, 48, 180));
    p.setPen(QPen(QColor(30, 26, 110), std::max(1.0, 1.2 * u)));
    p.setBrush(fill);
    p.drawPath(bubble(side));

    static constexpr std::array<QRgb, 3> kDots{0xFF5A6E, 0xFFD24A, 0x5BE08A};
    p.setPen(Qt::NoPen);
    for (std::size_t i = 0; i < kDots.size(); ++i) {
        p.setBrush(QColor::fromRgb(kDots[i]));
        p.drawEllipse(QPointF((9 + 7 * static_cast<double>(i)) * u, 13 * u), 2.6 * u, 2.6 * u);
    }
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

QImage reduceTo256Colours(const QImage &image)
{
    return image.convertToFormat(QImage::Format_Indexed8,
                                 Qt::ThresholdDither | Qt::ThresholdAlphaDither |
                                     Qt::PreferDither);
}

} // namespace pellory::assets
