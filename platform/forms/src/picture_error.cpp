#include "forms/picture_error.h"

namespace forms {

PictureError::PictureError(TextView file, TextView reason)
    : Error(u"Не удалось загрузить рисунок \"" + Text(file) + u"\": " + Text(reason))
{
}

} // namespace forms
