#include "forms/application.h"

#include <windows.h>

#include "forms/form.h"
#include "program_title.h"

namespace forms {

Application::Application(int &, char **, TextView title) { setProgramTitle(title); }

int Application::run()
{
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!Form::takeKey(message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        Form::deleteClosedForms();
    }
    return static_cast<int>(message.wParam);
}

} // namespace forms
