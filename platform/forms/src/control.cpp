#include "forms/control.h"

#include "qt_text.h"
#include "qt_values.h"

namespace forms {

QFont toQFont(const Font &font)
{
    QFont face(toQString(font.family));
    face.setStyleHint(QFont::SansSerif);
    face.setPointSizeF(font.points);
    face.setBold(font.bold);
    return face;
}

void setBounds(Control &control, const Rect &box) { control.setGeometry(toQRect(box)); }

void setFont(Control &control, const Font &font) { control.setFont(toQFont(font)); }

void setName(Control &control, const char *name) { control.setObjectName(QString::fromUtf8(name)); }

} // namespace forms
