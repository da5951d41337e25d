// A window's menu bar, its menus and their command items, in the framework's
// own terms, so that windows name no toolkit type for them.
#ifndef PELLORY_FORMS_MENU_H
#define PELLORY_FORMS_MENU_H

#include <functional>
#include <memory>
#include <vector>

#include "forms/text.h"

namespace forms {

// An item that runs a command. It has no shortcut key, check mark or disabled
// state. Owned by its menu.
class MenuItem {
public:
    struct Native;
    explicit MenuItem(std::unique_ptr<Native> native);
    ~MenuItem();
    MenuItem(const MenuItem &) = delete;
    MenuItem &operator=(const MenuItem &) = delete;

    Text caption() const;
    // Replaces what choosing the item runs; without a handler it does nothing.
    void setHandler(std::function<void()> onChoose);
    // Runs the handler as if the user chose the item.
    void trigger();

private:
    std::unique_ptr<Native> native_;
};

// A menu that opens from the bar or from another menu. Captions take "&"
// before the access letter. Items appear in the order they are added.
class Menu {
public:
    struct Native;
    explicit Menu(std::unique_ptr<Native> native);
    ~Menu();
    Menu(const Menu &) = delete;
    Menu &operator=(const Menu &) = delete;

    Text caption() const;
    MenuItem &addItem(TextView caption);
    Menu &addMenu(TextView caption);

private:
    std::unique_ptr<Native> native_;
    std::vector<std::unique_ptr<MenuItem>> items_;
    std::vector<std::unique_ptr<Menu>> menus_;
};

// The bar above a window's client area. Owned by its window (Form::menuBar).
class MenuBar {
public:
    struct Native;
    explicit MenuBar(std::unique_ptr<Native> native);
    ~MenuBar();
    MenuBar(const MenuBar &) = delete;
    MenuBar &operator=(const MenuBar &) = delete;

    Menu &addMenu(TextView caption);

private:
    std::unique_ptr<Native> native_;
    std::vector<std::unique_ptr<Menu>> menus_;
};

} // namespace forms

#endif
