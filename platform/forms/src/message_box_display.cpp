#include <QMessageBox>

#include "backend_hooks.h"

namespace forms {

void showMessageBox(const MessageBoxRecord &box)
{
    QMessageBox dialog(box.icon == MessageIcon::Critical ? QMessageBox::Critical : QMessageBox::NoIcon,
                       QString::fromStdU16String(box.title), QString::fromStdU16String(box.text),
                       QMessageBox::Ok);
    dialog.exec();
}

} // namespace forms
