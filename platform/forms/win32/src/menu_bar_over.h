// Wraps a window's menu bar handle in the framework's MenuBar.
#ifndef PELLORY_FORMS_WIN32_MENU_BAR_OVER_H
#define PELLORY_FORMS_WIN32_MENU_BAR_OVER_H

#include <windows.h>

#include <functional>
#include <memory>

#include "forms/menu.h"
#include "menu_commands.h"

namespace forms {

// `onMenuAdded` runs after each menu added to the bar (the bar may have
// grown a line).
std::unique_ptr<MenuBar> menuBarOver(HMENU bar, std::shared_ptr<MenuCommands> commands,
                                     std::function<void()> onMenuAdded);

} // namespace forms

#endif
