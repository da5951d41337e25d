// A tiny program whose event handlers fail in the ways named by its
// argument, so that the tests can watch the uncaught-error report and the
// exit status from outside.
#include <QTimer>
#include <cstring>
#include <stdexcept>

#include "forms/application.h"
#include "forms/form.h"
#include "forms/picture.h"

namespace {

class FailingForm : public forms::Form {
public:
    explicit FailingForm(const char *mode) : mode_(mode) {}

protected:
    void Form_Load() override
    {
        if (std::strcmp(mode_, "load") == 0)
            throw forms::Error(u"нет файла options.dat");
    }
    void Form_Paint() override
    {
        if (std::strcmp(mode_, "paint") == 0)
            throw std::runtime_error("paint failed");
        // Shown and painted without trouble: end normally.
        QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
    }

private:
    const char *mode_;
};

} // namespace

int main(int argc, char **argv)
{
    forms::Application application(argc, argv, u"Pellory");
    const char *mode = argc > 1 ? argv[1] : "";
    const forms::Text picture = forms::textFromUtf8(argc > 2 ? argv[2] : "");
    FailingForm form(mode);
    form.setClientSize(40, 30);
    // A signal handler the framework does not call itself: only the
    // application object can catch what escapes it.
    QTimer::singleShot(0, [&] {
        if (std::strcmp(mode, "signal") == 0)
            form.setPicture(forms::loadPicture(picture));
        if (std::strcmp(mode, "unknown") == 0)
            throw 42;
    });
    // A hang ends with a status the tests do not expect.
    QTimer::singleShot(15000, &application, [] { QCoreApplication::exit(3); });
    form.show();
    return QApplication::exec();
}
