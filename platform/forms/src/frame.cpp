#include "forms/frame.h"

namespace forms {

Frame::Frame(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_NoMousePropagation);
}

} // namespace forms
