// Assistive tools' view of the buttons a form draws on its client surface:
// push buttons that are children of the client area, beside its controls.
#ifndef PELLORY_FORMS_DRAWN_BUTTON_ACCESSIBLE_H
#define PELLORY_FORMS_DRAWN_BUTTON_ACCESSIBLE_H

#include <QAccessible>
#include <QPointer>
#include <vector>

namespace forms {

class ClientArea;

// The interfaces of one client area's drawn buttons. They are made when a
// tool first asks for them and live in Qt's registry until the area goes.
class DrawnButtonInterfaces {
public:
    explicit DrawnButtonInterfaces(ClientArea *area);
    ~DrawnButtonInterfaces();
    DrawnButtonInterfaces(const DrawnButtonInterfaces &) = delete;
    DrawnButtonInterfaces &operator=(const DrawnButtonInterfaces &) = delete;

    int count() const;
    // Null beyond the form's count.
    QAccessibleInterface *at(int index);
    // -1 for an interface that is not one of these.
    int indexOf(const QAccessibleInterface *interface) const;
    // Reports the checked state of every button made so far.
    void notifyStates() const;

private:
    ClientArea *area_;
    std::vector<QAccessible::Id> ids_;
};

// Makes Qt describe every form as a window and every client area with its
// drawn buttons (once a process).
void installFormsAccessibility();

} // namespace forms

#endif
