#include "forms/shape.h"

#include "qt_values.h"

#include <QPainter>

namespace forms {

Shape::Shape(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Shape::setBorderColor(const Color &color)
{
    borderColor_ = toQColor(color);
    update();
}

void Shape::setBorderWidth(int width)
{
    borderWidth_ = std::max(0, width);
    update();
}

void Shape::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    // Four filled bands keep the border inside the bounds at any width.
    const int w = std::min({borderWidth_, width(), height()});
    const QRect r = rect();
    painter.fillRect(QRect(r.left(), r.top(), r.width(), w), borderColor_);
    painter.fillRect(QRect(r.left(), r.bottom() - w + 1, r.width(), w), borderColor_);
    painter.fillRect(QRect(r.left(), r.top(), w, r.height()), borderColor_);
    painter.fillRect(QRect(r.right() - w + 1, r.top(), w, r.height()), borderColor_);
}

} // namespace forms
