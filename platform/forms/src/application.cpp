#include "forms/application.h"

#include <QLibraryInfo>
#include <QTranslator>

#include "forms/errors.h"
#include "qt_text.h"

namespace forms {
namespace {

// The program speaks Russian whatever the desktop's language, and so do Qt's
// own texts (standard buttons, the text boxes' context menus). Without the
// translation files Qt's English texts stay.
void installRussianTranslation(QApplication &application)
{
    auto *translator = new QTranslator(&application);
    if (translator->load(QStringLiteral("qtbase_ru"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);
    else
        delete translator;
}

// Before the toolkit starts, which is when it picks its platform.
int &preferXWayland(int &argc)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        !qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");
    return argc;
}

} // namespace

Application::Application(int &argc, char **argv, TextView title)
    : QApplication(preferXWayland(argc), argv)
{
    setApplicationName(toQString(title));
    installRussianTranslation(*this);
}

bool Application::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        const QString name = receiver->objectName();
        if (name.isEmpty())
            reportUncaughtError(std::current_exception(), receiver->metaObject()->className());
        else
            reportUncaughtError(std::current_exception(), name.toStdU16String());
        return true;
    }
}

} // namespace forms
