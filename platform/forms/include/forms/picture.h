// Loading pictures from files.
#ifndef PELLORY_FORMS_PICTURE_H
#define PELLORY_FORMS_PICTURE_H

#include <QImage>

#include "forms/picture_error.h"
#include "forms/text.h"

namespace forms {

// A picture in memory; empty by default. A toolkit image in this backend.
using Picture = QImage;

// Loads a JPEG (or any other format Qt reads) as a 32-bit picture
// (QImage::Format_RGB32). Throws PictureError naming the file on failure;
// left uncaught, that ends the program with a report.
Picture loadPicture(TextView file);

} // namespace forms

#endif
