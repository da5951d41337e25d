// Loading pictures from files.
#ifndef PELLORY_FORMS_PICTURE_H
#define PELLORY_FORMS_PICTURE_H

#include <QImage>
#include <QString>

#include "forms/errors.h"

namespace forms {

// A picture file that is missing, unreadable or not a picture.
class PictureError : public Error {
public:
    explicit PictureError(const QString &file, const QString &reason);
};

// Loads a JPEG (or any other format Qt reads) as a 32-bit picture
// (QImage::Format_RGB32). Throws PictureError naming the file on failure;
// left uncaught, that ends the program with a report.
QImage loadPicture(const QString &file);

} // namespace forms

#endif
