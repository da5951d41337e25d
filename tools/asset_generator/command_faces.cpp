#include "command_faces.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPolygonF>

namespace pellory::assets {
namespace {

void paintPlate(QPainter &p, const SkinStyle &style, const QRectF &plate)
{
    QLinearGradient fill(plate.topLeft(), plate.bottomLeft());
    fill.setColorAt(0.0, QColor::fromRgb(style.faceTop));
    fill.setColorAt(1.0, QColor::fromRgb(style.faceBottom));
    p.setPen(QPen(QColor::fromRgb(style.faceEdge), 1));
    p.setBrush(fill);
    const double radius = std::min(plate.height(), plate.width()) / 2.6;
    p.drawRoundedRect(plate, radius, radius);
    // A light line under the top edge gives the plate some depth.
    p.setPen(QPen(QColor(255, 255, 255, 90), 1));
    p.drawLine(QPointF(plate.left() + radius, plate.top() + 1.5),
               QPointF(plate.right() - radius, plate.top() + 1.5));
}

void paintCaption(QPainter &p, const SkinStyle &style, const QRectF &plate, const char *caption)
{
    p.setFont(windowFont(14, true));
    const QString text = QString::fromUtf8(caption);
    p.setPen(QColor(0, 0, 0, 55));
    p.drawText(plate.translated(0, 1), Qt::AlignCenter, text);
    p.setPen(QColor::fromRgb(style.faceText));
    p.drawText(plate, Qt::AlignCenter, text);
}

void paintArrow(QPainter &p, const SkinStyle &style, const QRectF &plate, bool pointsRight)
{
    const QPointF c = plate.center();
    const double half = plate.height() * 0.24;
    const double direction = pointsRight ? 1.0 : -1.0;
    QPolygonF arrow;
    arrow << QPointF(c.x() + direction * half, c.y())
          << QPointF(c.x() - direction * half * 0.8, c.y() - half)
          << QPointF(c.x() - direction * half * 0.8, c.y() + half);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor::fromRgb(style.faceText));
    p.drawPolygon(arrow);
}

} // namespace

const std::array<FaceDesign, 4> &faceDesigns()
{
    static const std::array<FaceDesign, 4> faces{{
        {&kRandomButton, FaceMark::Caption, "Случайное"},
        {&kSendButton, FaceMark::Caption, "Отправить"},
        {&kRightButton, FaceMark::ArrowRight, nullptr},
        {&kLeftButton, FaceMark::ArrowLeft, nullptr},
    }};
    return faces;
}

QImage paintCommandFace(const SkinStyle &style, const QImage &background, const FaceDesign &face)
{
    const CommandButton &button = *face.button;
    QImage image = background.copy(QRect(faceOrigin(button), faceSize(button)));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF plate = QRectF(visibleFacePart(button)).adjusted(1.5, 1.5, -1.5, -1.5);
    paintPlate(p, style, plate);
    switch (face.mark) {
    case FaceMark::Caption:
        paintCaption(p, style, plate, face.caption);
        break;
    case FaceMark::ArrowLeft:
    case FaceMark::ArrowRight:
        paintArrow(p, style, plate, face.mark == FaceMark::ArrowRight);
        break;
    }
    p.end();
    return image;
}

} // namespace pellory::assets
