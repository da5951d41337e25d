// Errors that the application does not catch: their type, and the guard that
// reports them and ends the program.
#ifndef PELLORY_FORMS_ERRORS_H
#define PELLORY_FORMS_ERRORS_H

#include <exception>
#include <stdexcept>
#include <string>

#include "forms/text.h"

namespace forms {

// An error meant for the user's eyes: what() says what failed (UTF-8).
class Error : public std::runtime_error {
public:
    explicit Error(TextView message);
    explicit Error(const std::string &utf8Message);
    Text message() const { return textFromUtf8(what()); }
};

// Status the program ends with after an uncaught error.
inline constexpr int UncaughtErrorExitStatus = 1;

// Shows a critical message box naming the error (and the event procedure it
// escaped from, unless empty), then ends the program with
// UncaughtErrorExitStatus through endProgram().
void reportUncaughtError(std::exception_ptr error, TextView procedure);
void reportUncaughtError(std::exception_ptr error, const char *procedure);

// Runs an event procedure; an exception it lets out is reported as above.
// The framework calls every event procedure it raises through this, and
// forms::Application catches whatever escapes Qt's own signal handling.
template <typename Procedure>
void runGuarded(const char *procedure, Procedure &&run) noexcept
{
    try {
        run();
    } catch (...) {
        reportUncaughtError(std::current_exception(), procedure);
    }
}

} // namespace forms

#endif
