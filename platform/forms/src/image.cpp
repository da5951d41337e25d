#include "forms/image.h"

#include <QPainter>

namespace forms {

Image::Image(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_NoMousePropagation);
}

void Image::setPicture(const QImage &picture)
{
    picture_ = picture;
    update();
}

void Image::paintEvent(QPaintEvent *)
{
    if (picture_.isNull())
        return;
    QPainter painter(this);
    painter.drawImage(0, 0, picture_);
}

} // namespace forms
