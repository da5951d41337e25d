#include "forms/text.h"

#include <QString>

namespace forms {

Text textFromUtf8(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())).toStdU16String();
}

std::string textToUtf8(TextView text)
{
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size())).toUtf8().toStdString();
}

} // namespace forms
