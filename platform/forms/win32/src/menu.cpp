#include "forms/menu.h"

#include "menu_bar_over.h"
#include "wide_text.h"

namespace forms {

// Menu handles belong to the window's menu bar and die with the window;
// reading a caption after that gives an empty text.
struct MenuItem::Native {
    HMENU menu;
    UINT identifier;
    std::shared_ptr<MenuCommands> commands;
    std::function<void()> onChoose;
};

struct Menu::Native {
    HMENU parent;
    UINT position;
    HMENU menu;
    std::shared_ptr<MenuCommands> commands;
};

struct MenuBar::Native {
    HMENU bar;
    std::shared_ptr<MenuCommands> commands;
    std::function<void()> onMenuAdded;
};

namespace {

Text menuString(HMENU menu, UINT item, UINT flags)
{
    const int length = GetMenuStringW(menu, item, nullptr, 0, flags);
    if (length <= 0)
        return {};
    std::wstring buffer(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = GetMenuStringW(menu, item, buffer.data(), length + 1, flags);
    return fromWide(std::wstring_view(buffer).substr(0, static_cast<std::size_t>(copied > 0 ? copied : 0)));
}

// A popup menu appended to `parent` under `caption`.
std::unique_ptr<Menu> appendMenu(HMENU parent, TextView caption, const std::shared_ptr<MenuCommands> &commands)
{
    HMENU popup = CreatePopupMenu();
    const int position = GetMenuItemCount(parent);
    AppendMenuW(parent, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(popup), toWide(caption).c_str());
    return std::make_unique<Menu>(
        std::make_unique<Menu::Native>(Menu::Native{parent, static_cast<UINT>(position), popup, commands}));
}

} // namespace

MenuItem::MenuItem(std::unique_ptr<Native> native) : native_(std::move(native))
{
    native_->commands->add(native_->identifier, *this);
}

MenuItem::~MenuItem() { native_->commands->remove(native_->identifier); }

Text MenuItem::caption() const { return menuString(native_->menu, native_->identifier, MF_BYCOMMAND); }

void MenuItem::setHandler(std::function<void()> onChoose) { native_->onChoose = std::move(onChoose); }

void MenuItem::trigger()
{
    if (native_->onChoose)
        native_->onChoose();
}

Menu::Menu(std::unique_ptr<Native> native) : native_(std::move(native)) {}

Menu::~Menu() = default;

Text Menu::caption() const { return menuString(native_->parent, native_->position, MF_BYPOSITION); }

MenuItem &Menu::addItem(TextView caption)
{
    const UINT identifier = native_->commands->nextIdentifier();
    AppendMenuW(native_->menu, MF_STRING, identifier, toWide(caption).c_str());
    items_.push_back(std::make_unique<MenuItem>(
        std::make_unique<MenuItem::Native>(MenuItem::Native{native_->menu, identifier, native_->commands, {}})));
    return *items_.back();
}

Menu &Menu::addMenu(TextView caption)
{
    menus_.push_back(appendMenu(native_->menu, caption, native_->commands));
    return *menus_.back();
}

MenuBar::MenuBar(std::unique_ptr<Native> native) : native_(std::move(native)) {}

MenuBar::~MenuBar() = default;

Menu &MenuBar::addMenu(TextView caption)
{
    menus_.push_back(appendMenu(native_->bar, caption, native_->commands));
    if (native_->onMenuAdded)
        native_->onMenuAdded();
    return *menus_.back();
}

std::unique_ptr<MenuBar> menuBarOver(HMENU bar, std::shared_ptr<MenuCommands> commands,
                                     std::function<void()> onMenuAdded)
{
    return std::make_unique<MenuBar>(
        std::make_unique<MenuBar::Native>(MenuBar::Native{bar, std::move(commands), std::move(onMenuAdded)}));
}

} // namespace forms
