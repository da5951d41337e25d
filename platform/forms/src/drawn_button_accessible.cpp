#include "drawn_button_accessible.h"

#include <QAccessibleWidget>
#include <mutex>

#include "client_area.h"
#include "forms/errors.h"
#include "forms/form.h"
#include "qt_text.h"
#include "qt_values.h"

namespace forms {
namespace {

class DrawnButtonAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    DrawnButtonAccessible(ClientArea *area, int index) : area_(area), index_(index) {}

    bool isValid() const override
    {
        return !area_.isNull() && index_ < area_->form()->drawnButtonCount();
    }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return area_->window()->windowHandle(); }
    QAccessibleInterface *parent() const override
    {
        return QAccessible::queryAccessibleInterface(area_.data());
    }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }

    QString text(QAccessible::Text kind) const override
    {
        const DrawnButton button = described();
        switch (kind) {
        case QAccessible::Name:
            return toQString(button.name);
        case QAccessible::Description:
            return toQString(button.description);
        case QAccessible::Accelerator:
            return toQString(button.keys);
        default:
            return QString();
        }
    }
    void setText(QAccessible::Text, const QString &) override {}
    QRect rect() const override
    {
        const QRect box = toQRect(described().box);
        return QRect(area_->mapToGlobal(box.topLeft()), box.size());
    }
    QAccessible::Role role() const override { return QAccessible::Button; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.checkable = true;
        state.checked = described().checked;
        state.invisible = !area_->isVisible();
        return state;
    }
    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface *>(this)
                                                    : nullptr;
    }

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString &action) override
    {
        if (action != pressAction() || !isValid())
            return;
        Form *form = area_->form();
        const int index = index_;
        runGuarded("pressDrawnButton", [form, index] { form->pressDrawnButton(index); });
    }
    QStringList keyBindingsForAction(const QString &action) const override
    {
        const QString keys = toQString(described().keys);
        return action == pressAction() && !keys.isEmpty() ? QStringList{keys} : QStringList{};
    }

private:
    DrawnButton described() const
    {
        return isValid() ? area_->form()->drawnButton(index_) : DrawnButton{};
    }

    QPointer<ClientArea> area_;
    int index_;
};

// The client area's controls first, then its drawn buttons.
class ClientAreaAccessible : public QAccessibleWidget {
public:
    explicit ClientAreaAccessible(ClientArea *area) : QAccessibleWidget(area, QAccessible::Client) {}

    int childCount() const override { return controlCount() + buttons().count(); }
    QAccessibleInterface *child(int index) const override
    {
        const int controls = controlCount();
        return index < controls ? QAccessibleWidget::child(index) : buttons().at(index - controls);
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        const int button = buttons().indexOf(child);
        return button >= 0 ? controlCount() + button : QAccessibleWidget::indexOfChild(child);
    }
    QAccessibleInterface *childAt(int x, int y) const override
    {
        for (int k = 0; k < buttons().count(); ++k)
            if (QAccessibleInterface *button = buttons().at(k); button->rect().contains(x, y))
                return button;
        return QAccessibleWidget::childAt(x, y);
    }

private:
    int controlCount() const { return QAccessibleWidget::childCount(); }
    DrawnButtonInterfaces &buttons() const
    {
        return static_cast<ClientArea *>(widget())->drawnButtonInterfaces();
    }
};

// Forms are plain widgets, which Qt would describe as anonymous panels:
// screen readers announce a window (a frame) by its title.
QAccessibleInterface *formsInterface(const QString &, QObject *object)
{
    if (auto *area = qobject_cast<ClientArea *>(object))
        return new ClientAreaAccessible(area);
    if (auto *form = qobject_cast<Form *>(object))
        return new QAccessibleWidget(form, QAccessible::Window);
    return nullptr;
}

} // namespace

DrawnButtonInterfaces::DrawnButtonInterfaces(ClientArea *area) : area_(area) {}

DrawnButtonInterfaces::~DrawnButtonInterfaces()
{
    for (const QAccessible::Id id : ids_)
        QAccessible::deleteAccessibleInterface(id);
}

int DrawnButtonInterfaces::count() const
{
    return area_->form()->drawnButtonCount();
}

QAccessibleInterface *DrawnButtonInterfaces::at(int index)
{
    if (index < 0 || index >= count())
        return nullptr;
    while (static_cast<int>(ids_.size()) <= index)
        ids_.push_back(QAccessible::registerAccessibleInterface(
            new DrawnButtonAccessible(area_, static_cast<int>(ids_.size()))));
    return QAccessible::accessibleInterface(ids_[static_cast<std::size_t>(index)]);
}

int DrawnButtonInterfaces::indexOf(const QAccessibleInterface *interface) const
{
    for (std::size_t k = 0; k < ids_.size(); ++k)
        if (QAccessible::accessibleInterface(ids_[k]) == interface)
            return static_cast<int>(k);
    return -1;
}

void DrawnButtonInterfaces::notifyStates() const
{
    QAccessible::State checked;
    checked.checked = true;
    for (const QAccessible::Id id : ids_) {
        QAccessibleStateChangeEvent event(QAccessible::accessibleInterface(id), checked);
        QAccessible::updateAccessibility(&event);
    }
}

void installFormsAccessibility()
{
    static std::once_flag installed;
    std::call_once(installed, [] { QAccessible::installFactory(formsInterface); });
}

} // namespace forms
