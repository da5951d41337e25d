// What every control of the Windows build is: a child window that its parent
// control owns, and what windows set on any of them.
#ifndef PELLORY_FORMS_CONTROL_H
#define PELLORY_FORMS_CONTROL_H

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "forms/fonts.h"
#include "forms/geometry.h"

namespace forms {

class Form;

// A window of the program with the controls created in it. Controls are made
// with `new` and a parent, which owns them from then on (as the program's
// design expects), and destroys them with itself.
class Control {
public:
    virtual ~Control();
    Control(const Control &) = delete;
    Control &operator=(const Control &) = delete;

    HWND hwnd() const { return hwnd_; }
    Control *parent() const { return parent_; }

    void setVisible(bool visible);
    // Hidden by the program (not merely on a hidden window).
    bool isHidden() const;

    // The font this control and its children without their own font use.
    HFONT font() const { return font_; }
    void setFontHandle(HFONT font);

    // The design name (error reports name events after it: "cmdExit_Click").
    const std::string &name() const { return name_; }
    void setNameText(std::string name) { name_ = std::move(name); }

    // The control that owns `hwnd`, or null for a window that is no control.
    static Control *fromHandle(HWND hwnd);

protected:
    // Registers with `parent` (null for a top-level window).
    explicit Control(Control *parent);
    // Creates the child window of system class `windowClass` inside the
    // parent and takes over its messages. Visible, at 0,0 with no size.
    void createWindow(const wchar_t *windowClass, DWORD style, DWORD extendedStyle = 0);
    // Replaces the window by one of `style` at the same place, with the same
    // text, font and stacking: system controls read some styles only when
    // they are created. For controls without children.
    void recreateWindow(DWORD style);
    // Adopts a window made elsewhere (the form's own).
    void adoptWindow(HWND hwnd);
    // Destroys the children, then the window.
    void destroyWindow();

    // A message sent to this control's window; true when handled, with the result.
    virtual bool handleOwnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT &result);
    // A notification the child window sent its parent (WM_COMMAND, WM_CTLCOLOR*,
    // WM_DRAWITEM), handed back to the child; true when handled.
    virtual bool handleNotification(UINT message, WPARAM wParam, LPARAM lParam, LRESULT &result);
    // The window's original procedure, for what this control leaves to it.
    LRESULT callOriginal(UINT message, WPARAM wParam, LPARAM lParam);
    // Runs an event of this control guarded, as every event procedure runs,
    // named after the control ("lstSkins_Click"), and presents what it drew.
    void raise(const char *event, const std::function<void()> &handler);
    // Passes a notification from a child window to the child's control.
    static bool notifyChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT &result);

private:
    static LRESULT CALLBACK procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void takeWindow(const wchar_t *windowClass, DWORD style, DWORD extendedStyle, const wchar_t *text, const RECT &box);
    void applyFont(HFONT font);

    Control *parent_;
    HWND hwnd_ = nullptr;
    WNDPROC original_ = nullptr;
    HFONT font_ = nullptr;
    bool ownFont_ = false;
    std::string name_;
    std::vector<std::unique_ptr<Control>> children_;
};

// Places `control` at `box`, in its parent's pixels.
void setBounds(Control &control, const Rect &box);
void setFont(Control &control, const Font &font);
// The design name by which tools that inspect the window find the control.
void setName(Control &control, const char *name);

} // namespace forms

#endif
