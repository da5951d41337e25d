// Pellory: opens the main window and runs until it is closed or the program ends.
#include "forms/application.h"
#include "frm_main.h"

int main(int argc, char **argv)
{
    forms::Application application(argc, argv, u"Pellory");
    frmMain window;
    window.show();
    return application.run();
}
