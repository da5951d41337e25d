#include "forms/errors.h"

#include "forms/message_box.h"
#include "forms/program.h"

namespace forms {
namespace {

Text describe(std::exception_ptr error)
{
    try {
        std::rethrow_exception(error);
    } catch (const std::exception &known) {
        return textFromUtf8(known.what());
    } catch (...) {
        return u"неизвестная ошибка";
    }
}

} // namespace

Error::Error(TextView message) : std::runtime_error(textToUtf8(message)) {}

Error::Error(const std::string &utf8Message) : std::runtime_error(utf8Message) {}

void reportUncaughtError(std::exception_ptr error, TextView procedure)
{
    // A second error raised while the first report is on screen (a timer
    // tick, say) is dropped: the program ends once that box is closed.
    static bool reporting = false;
    if (reporting)
        return;
    reporting = true;
    Text text = u"Непредвиденная ошибка";
    if (!procedure.empty())
        text.append(u" в ").append(procedure);
    text.append(u":\n").append(describe(error));
    messageBox(text, MessageIcon::Critical);
    reporting = false;
    endProgram(UncaughtErrorExitStatus);
}

void reportUncaughtError(std::exception_ptr error, const char *procedure)
{
    reportUncaughtError(error, textFromUtf8(procedure));
}

} // namespace forms
