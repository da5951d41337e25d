// A rectangular frame drawn on its parent.
#ifndef PELLORY_FORMS_SHAPE_H
#define PELLORY_FORMS_SHAPE_H

#include <QColor>
#include <QWidget>

#include "forms/geometry.h"

namespace forms {

// A rectangle outline of a border colour and width (pixels), drawn inside
// the control's bounds with a transparent interior. Decoration only:
// pointer events pass through it to the form.
class Shape : public QWidget {
    Q_OBJECT
public:
    explicit Shape(QWidget *parent = nullptr);

    void setBorderColor(const Color &color);
    void setBorderWidth(int width);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor borderColor_ = Qt::black;
    int borderWidth_ = 1;
};

} // namespace forms

#endif
