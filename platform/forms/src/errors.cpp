#include "forms/errors.h"

#include "forms/message_box.h"
#include "forms/program.h"

namespace forms {
namespace {

QString describe(std::exception_ptr error)
{
    try {
        std::rethrow_exception(error);
    } catch (const std::exception &known) {
        return QString::fromUtf8(known.what());
    } catch (...) {
        return QStringLiteral("неизвестная ошибка");
    }
}

} // namespace

Error::Error(const QString &message) : std::runtime_error(message.toStdString()) {}

void reportUncaughtError(std::exception_ptr error, const QString &procedure)
{
    // A second error raised while the first report is on screen (a timer
    // tick, say) is dropped: the program ends once that box is closed.
    static bool reporting = false;
    if (reporting)
        return;
    reporting = true;
    QString text = QStringLiteral("Непредвиденная ошибка");
    if (!procedure.isEmpty())
        text += QStringLiteral(" в ") + procedure;
    text += QStringLiteral(":\n") + describe(error);
    messageBox(text, MessageIcon::Critical);
    reporting = false;
    endProgram(UncaughtErrorExitStatus);
}

} // namespace forms
