// Run by the tests as a program of its own: the main window over the program
// folder given, Skins chosen three times, the main window used while the
// chooser is open, then Exit from the event loop. It reports what it saw on
// standard output; Exit must end it before it reports anything more.
#include "forms/application.h"
#include "forms/command_button.h"
#include "forms/program.h"
#include "forms/single_line_text_box.h"
#include "frm_main.h"
#include "frm_skin.h"

#include <QTimer>

#include <cstdio>

namespace {

int visibleChoosers()
{
    int count = 0;
    for (QWidget *window : QApplication::topLevelWidgets())
        count += dynamic_cast<frmSkin *>(window) != nullptr && window->isVisible();
    return count;
}

} // namespace

int main(int argc, char **argv)
{
    forms::Application application(argc, argv, u"Pellory");
    if (argc != 2)
        return 2;
    forms::setProgramFolder(forms::textFromUtf8(argv[1]));
    frmMain window;
    window.show();

    for (int again = 0; again < 3; ++again)
        window.menu.mnuSkins->trigger();
    std::printf("choosers %d\n", visibleChoosers());
    window.cmdRight->click();
    std::printf("number %s\n", QString::fromStdU16String(window.txtSmsN->text()).trimmed().toUtf8().constData());
    std::fflush(stdout);

    QTimer::singleShot(0, &window, [&window] {
        window.menu.mnuExit->trigger();
        std::puts("still running after Exit");
    });
    application.exec();
    std::puts("event loop returned");
    return 3;
}
