// The application's UTF-16 text and Qt's strings, converted without loss.
#ifndef PELLORY_FORMS_QT_TEXT_H
#define PELLORY_FORMS_QT_TEXT_H

#include <QString>

#include "forms/text.h"

namespace forms {

inline QString toQString(TextView text)
{
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

inline Text toText(const QString &text) { return text.toStdU16String(); }

} // namespace forms

#endif
