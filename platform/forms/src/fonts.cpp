#include "forms/fonts.h"

#include <QFontDatabase>
#include <QStringList>

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

QFont programFont(double pointSize, bool bold)
{
    QFont font(programFontFamily());
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

} // namespace forms
