#include "forms/picture.h"

#include <QImageReader>

#include "forms/failure_reason.h"

namespace forms {

PictureError::PictureError(const QString &file, const QString &reason)
    : Error(QStringLiteral("Не удалось загрузить рисунок \"%1\": %2").arg(file, reason).toStdU16String())
{
}

QImage loadPicture(const QString &file)
{
    QImageReader reader(file);
    const QImage picture = reader.read();
    if (picture.isNull())
        throw PictureError(file, QString::fromStdU16String(pictureFailureReason(file.toStdU16String())));
    return picture.convertToFormat(QImage::Format_RGB32);
}

} // namespace forms
