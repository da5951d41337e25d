// The framework's rectangles, colours and fonts as Qt's.
#ifndef PELLORY_FORMS_QT_VALUES_H
#define PELLORY_FORMS_QT_VALUES_H

#include <QColor>
#include <QFont>
#include <QRect>

#include "forms/fonts.h"
#include "forms/geometry.h"

namespace forms {

inline QRect toQRect(const Rect &box) { return QRect(box.left, box.top, box.width, box.height); }
inline Rect toRect(const QRect &box) { return Rect{box.x(), box.y(), box.width(), box.height()}; }
inline QColor toQColor(const Color &color) { return QColor(color.red, color.green, color.blue); }
QFont toQFont(const Font &font);

} // namespace forms

#endif
