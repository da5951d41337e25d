// Errors that the application does not catch: their type, and the guard that
// reports them and ends the program.
#ifndef PELLORY_FORMS_ERRORS_H
#define PELLORY_FORMS_ERRORS_H

#include <QString>
#include <exception>
#include <stdexcept>

namespace forms {

// An error meant for the user's eyes: what() says what failed (UTF-8).
class Error : public std::runtime_error {
public:
    explicit Error(const QString &message);
    QString message() const { return QString::fromUtf8(what()); }
};

// Status the program ends with after an uncaught error.
inline constexpr int UncaughtErrorExitStatus = 1;

// Shows a critical message box naming the error (and the event procedure it
// escaped from, unless empty), then ends the program with
// UncaughtErrorExitStatus through endProgram().
void reportUncaughtError(std::exception_ptr error, const QString &procedure);

// Runs an event procedure; an exception it lets out is reported as above.
// The framework calls every event procedure it raises through this, and
// forms::Application catches whatever escapes Qt's own signal handling.
template <typename Procedure>
void runGuarded(const char *procedure, Procedure &&run) noexcept
{
    try {
        run();
    } catch (...) {
        reportUncaughtError(std::current_exception(), QString::fromUtf8(procedure));
    }
}

} // namespace forms

#endif
