// Shows a picture at its own size.
#ifndef PELLORY_FORMS_IMAGE_H
#define PELLORY_FORMS_IMAGE_H

#include <QWidget>

#include "forms/picture.h"

namespace forms {

// A picture drawn at its own size from the control's top-left corner, never
// stretched; whatever falls outside the control is cut off. Empty until a
// picture is set; where the picture does not reach, what lies below shows.
class Image : public QWidget {
    Q_OBJECT
public:
    explicit Image(QWidget *parent = nullptr);

    void setPicture(const Picture &picture);
    const Picture &picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Picture picture_;
};

} // namespace forms

#endif
