#include "forms/picture.h"

#include <QImageReader>

#include "forms/failure_reason.h"
#include "qt_text.h"

namespace forms {

Picture loadPicture(TextView file)
{
    QImageReader reader(toQString(file));
    const QImage picture = reader.read();
    if (picture.isNull())
        throw PictureError(file, pictureFailureReason(file));
    return picture.convertToFormat(QImage::Format_RGB32);
}

} // namespace forms
