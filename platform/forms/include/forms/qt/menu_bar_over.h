// For code that builds its own Qt windows (benchmarks' plain peers): the
// framework's menu bar over a toolkit menu bar it does not own.
#ifndef PELLORY_FORMS_QT_MENU_BAR_OVER_H
#define PELLORY_FORMS_QT_MENU_BAR_OVER_H

#include <QMenuBar>
#include <memory>

#include "forms/menu.h"

namespace forms {

std::unique_ptr<MenuBar> menuBarOver(QMenuBar &bar);

} // namespace forms

#endif
