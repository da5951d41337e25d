#include "forms/text.h"

#include "qt_text.h"

namespace forms {

Text textFromUtf8(std::string_view utf8)
{
    return toText(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
}

std::string textToUtf8(TextView text) { return toQString(text).toUtf8().toStdString(); }

int compareIgnoringCase(TextView a, TextView b)
{
    return QStringView(a).compare(QStringView(b), Qt::CaseInsensitive);
}

} // namespace forms
