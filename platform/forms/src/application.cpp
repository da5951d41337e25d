#include "forms/application.h"

#include "forms/errors.h"

namespace forms {

Application::Application(int &argc, char **argv, const QString &title) : QApplication(argc, argv)
{
    setApplicationName(title);
}

bool Application::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        const QString name = receiver->objectName();
        reportUncaughtError(std::current_exception(),
                            name.isEmpty() ? QString::fromUtf8(receiver->metaObject()->className())
                                           : name);
        return true;
    }
}

} // namespace forms
