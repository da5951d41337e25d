#include "forms/application.h"

#include <QLibraryInfo>
#include <QTranslator>

#include "forms/errors.h"

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

} // namespace

Application::Application(int &argc, char **argv, const QString &title) : QApplication(argc, argv)
{
    setApplicationName(title);
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
