#include "skin_background.h"

#include "scenery.h"
#include "window_layout.h"

#include <QLinearGradient>
#include <QPainter>

namespace pellory::assets {
namespace {

QRect commandBlock()
{
    return toPixels(kRandomButton.container)
        .united(toPixels(kSendButton.container))
        .united(toPixels(kLeftButton.container))
        .united(toPixels(kRightButton.container))
        .united(toPixels(kNumberBox));
}

QRect buttonColumn()
{
    const QPoint first = categoryButtonOrigin(0);
    const QPoint last = categoryButtonOrigin(kCategoryCount - 1);
    return QRect(first, QPoint(last.x() + kSpriteSide - 1, last.y() + kSpriteSide - 1));
}

void paintPanel(QPainter &p, const SkinStyle &style, const QColor &fill, const QRectF &area,
                double radius)
{
    p.setPen(QPen(QColor::fromRgb(style.panelEdge), 1.2));
    p.setBrush(fill);
    p.drawRoundedRect(area, radius, radius);
}

void paintTitle(QPainter &p, const SkinStyle &style)
{
    QFont font(QString::fromLatin1(style.titleFamily));
    font.setPixelSize(26);
    font.setBold(true);
    font.setHintingPreference(QFont::PreferNoHinting);
    p.setFont(font);
    const QRect message = toPixels(kMessageArea);
    const QRect band(message.left(), 0, message.width(), message.top() - 8);
    p.setPen(QColor(0, 0, 0, 60));
    p.drawText(band.translated(1, 1), Qt::AlignCenter, QStringLiteral("Pellory"));
    p.setPen(QColor::fromRgb(style.title));
    p.drawText(band, Qt::AlignCenter, QStringLiteral("Pellory"));
}

} // namespace

QImage paintSkinBackground(const SkinStyle &style)
{
    QImage image(kClientSize, QImage::Format_RGB32);
    QPainter p(&image);
    QLinearGradient sky(0, 0, 0, image.height());
    sky.setColorAt(0.0, QColor::fromRgb(style.skyTop));
    sky.setColorAt(1.0, QColor::fromRgb(style.skyBottom));
    p.fillRect(image.rect(), sky);
    paintScenery(p, style, image.size());

    p.setRenderHint(QPainter::Antialiasing);
    const QColor panel = QColor::fromRgba(style.panel);
    paintPanel(p, style, panel, QRectF(toPixels(kMessageArea)).adjusted(-8, -8, 8, 8), 10);
    paintPanel(p, style, panel, QRectF(commandBlock()).adjusted(-8, -7, 8, 7), 10);
    paintPanel(p, style, QColor::fromRgb(style.buttonBed),
               QRectF(buttonColumn()).adjusted(-5, -5, 5, 5), 12);
    paintTitle(p, style);
    p.end();
    return image;
}

} // namespace pellory::assets
