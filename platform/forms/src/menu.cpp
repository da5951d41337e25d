#include "forms/menu.h"

#include <QAction>
#include <QMenu>
#include <QPointer>

#include "forms/qt/menu_bar_over.h"
#include "qt_text.h"

namespace forms {

// The toolkit objects belong to their parents in the window; the guards
// cover a forms object that outlives them.
struct MenuItem::Native {
    QPointer<QAction> action;
    std::function<void()> onChoose;
    QMetaObject::Connection connection;
};

struct Menu::Native {
    QPointer<QMenu> menu;
};

struct MenuBar::Native {
    QPointer<QMenuBar> bar;
};

namespace {

std::unique_ptr<Menu> menuFor(QMenu *menu)
{
    return std::make_unique<Menu>(std::make_unique<Menu::Native>(Menu::Native{menu}));
}

} // namespace

MenuItem::MenuItem(std::unique_ptr<Native> native) : native_(std::move(native))
{
    native_->connection = QObject::connect(native_->action, &QAction::triggered, [native = native_.get()] {
        if (native->onChoose)
            native->onChoose();
    });
}

MenuItem::~MenuItem() { QObject::disconnect(native_->connection); }

Text MenuItem::caption() const
{
    return native_->action ? toText(native_->action->text()) : Text();
}

void MenuItem::setHandler(std::function<void()> onChoose) { native_->onChoose = std::move(onChoose); }

void MenuItem::trigger()
{
    if (native_->action)
        native_->action->trigger();
}

Menu::Menu(std::unique_ptr<Native> native) : native_(std::move(native)) {}

Menu::~Menu() = default;

Text Menu::caption() const
{
    return native_->menu ? toText(native_->menu->title()) : Text();
}

MenuItem &Menu::addItem(TextView caption)
{
    QAction *action = native_->menu->addAction(toQString(caption));
    items_.push_back(std::make_unique<MenuItem>(std::make_unique<MenuItem::Native>(MenuItem::Native{action, {}, {}})));
    return *items_.back();
}

Menu &Menu::addMenu(TextView caption)
{
    menus_.push_back(menuFor(native_->menu->addMenu(toQString(caption))));
    return *menus_.back();
}

MenuBar::MenuBar(std::unique_ptr<Native> native) : native_(std::move(native)) {}

MenuBar::~MenuBar() = default;

Menu &MenuBar::addMenu(TextView caption)
{
    menus_.push_back(menuFor(native_->bar->addMenu(toQString(caption))));
    return *menus_.back();
}

std::unique_ptr<MenuBar> menuBarOver(QMenuBar &bar)
{
    return std::make_unique<MenuBar>(std::make_unique<MenuBar::Native>(MenuBar::Native{&bar}));
}

} // namespace forms
