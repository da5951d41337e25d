#include "forms/fonts.h"

#include <QFontDatabase>
#include <QStringList>

#include "qt_text.h"

namespace forms {
namespace {

QString programFontFamily()
{
    const QString preferred = QStringLiteral("Verdana");
    if (QFontDatabase::families().contains(preferred, Qt::CaseInsensitive))
        return preferred;
    return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
}

} // namespace

Font programFont(double pointSize, bool bold)
{
    return Font{toText(programFontFamily()), pointSize, bold};
}

} // namespace forms
