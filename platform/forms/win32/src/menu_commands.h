// The command identifiers of one window's menu items, so that a WM_COMMAND
// from the menu finds the item it names.
#ifndef PELLORY_FORMS_WIN32_MENU_COMMANDS_H
#define PELLORY_FORMS_WIN32_MENU_COMMANDS_H

#include <windows.h>

#include <map>

namespace forms {

class MenuItem;

class MenuCommands {
public:
    // Identifiers start at 1 and stay below the system commands (0xF000).
    UINT nextIdentifier() { return next_++; }
    void add(UINT identifier, MenuItem &item) { items_[identifier] = &item; }
    void remove(UINT identifier) { items_.erase(identifier); }
    // The item, or null for an identifier that names none (any more).
    MenuItem *find(UINT identifier) const
    {
        const auto found = items_.find(identifier);
        return found == items_.end() ? nullptr : found->second;
    }

private:
    UINT next_ = 1;
    std::map<UINT, MenuItem *> items_;
};

} // namespace forms

#endif
