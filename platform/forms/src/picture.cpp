#include "forms/picture.h"

#include <QImageReader>

namespace forms {

PictureError::PictureError(const QString &file, const QString &reason)
    : Error(QStringLiteral("Не удалось загрузить рисунок \"%1\": %2").arg(file, reason))
{
}

QImage loadPicture(const QString &file)
{
    QImageReader reader(file);
    const QImage picture = reader.read();
    if (picture.isNull())
        throw PictureError(file, reader.errorString());
    return picture.convertToFormat(QImage::Format_RGB32);
}

} // namespace forms
