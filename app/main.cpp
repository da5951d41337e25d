// Pellory: opens the main window and runs until it is closed or the program ends.
#include "forms/application.h"
#include "frm_main.h"

namespace {

// On a Wayland desktop the program runs through XWayland when it can, so that
// it behaves and looks exactly as on X11 (README, "Wayland"). An explicit
// choice in QT_QPA_PLATFORM wins; without XWayland Qt chooses.
void preferXWayland()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        !qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");
}

} // namespace

int main(int argc, char **argv)
{
    preferXWayland();
    forms::Application application(argc, argv, QStringLiteral("Pellory"));
    frmMain window;
    window.show();
    return application.exec();
}
