#include "forms/program.h"

#include <QCoreApplication>

#include "backend_hooks.h"

namespace forms {

Text executableFolder()
{
    return withoutTrailingSeparator(QCoreApplication::applicationDirPath().toStdU16String());
}

Text programTitle()
{
    return QCoreApplication::applicationName().toStdU16String();
}

} // namespace forms
