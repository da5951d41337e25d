// A top-level window of the Windows build: a fixed-size frame with a caption,
// a close box and an optional menu bar, over a client area whose device
// context is a 32-bit surface kept behind the window.
#ifndef PELLORY_FORMS_FORM_H
#define PELLORY_FORMS_FORM_H

#include <windows.h>

#include <functional>
#include <initializer_list>
#include <memory>
#include <utility>
#include <vector>

#include "forms/control.h"
#include "forms/form_procedures.h"
#include "forms/geometry.h"
#include "forms/menu.h"
#include "forms/picture.h"
#include "forms/text.h"

namespace forms {

class BackSurface;
class FormAccessible;
class FormKeyboard;
class MenuCommands;
class Timer;
class WindowTimers;

// Base of the application's windows. Subclasses override the event
// procedures; controls are created with client() as their parent (child
// windows of the form's own), placed in client pixels.
//
// Painting: every WM_PAINT, setPicture, setClientSize and refresh() run a
// paint cycle: the background picture is drawn into the whole surface
// (whatever rectangle was invalidated), Form_Paint runs, then the surface is
// presented around the controls. Drawing through hDC() at any other time is
// presented when the event procedure that drew returns, without repainting
// the background and without Form_Paint, and only the pixels that changed.
//
// Pointer events arrive in client pixels as floats and are not raised over
// controls. The window is not resizable and has no minimise or maximise
// button. Timers are forms::Timer; menus go in menuBar(). Every event
// procedure, control event and shortcut runs guarded: an error that escapes
// it is reported and ends the program (forms/errors.h).
//
// Keyboard: Tab and Shift+Tab move the focus in the order of the tab indices,
// and a shown window starts with the focus on the visible, enabled control
// with the lowest index. Shortcuts work whichever control has the focus.
// Both need forms::Application's message loop.
//
// Assistive tools find the drawn buttons among the client area's children,
// after its controls: name, description, shortcut, place, checked state and
// a press that runs pressDrawnButton.
class Form : public Control, public FormProcedures {
public:
    Form();
    ~Form() override;

    // Parent of the window's controls: the form itself.
    Control *client() { return this; }
    // The menu bar above the client area, created on first use.
    MenuBar &menuBar();
    void setCaption(TextView caption);
    // The icon is the program's own (resource 1 of the executable), so the
    // file is not read; without that resource the system's default stays.
    void setIconFile(TextView pngFile);
    // Moves the whole window, frame included, to the middle of the work area.
    void centreOnScreen();
    // Raises the window above the others and gives it the keyboard.
    void bringToFront();
    // Closing destroys the object too, once the event that closed it has
    // been handled (windows the program creates with new).
    void setDestroyOnClose() { destroyOnClose_ = true; }

    // Fixes the client area's size in pixels, menu bar excluded (the surface
    // keeps its content where the sizes overlap; a paint cycle follows).
    void setClientSize(int width, int height);
    Size clientSize() const;

    // The background picture, drawn at its own size from the top-left corner;
    // the rest of the client area shows the window colour. A buffer whose size
    // does not match its dimensions is refused with std::invalid_argument.
    void setPicture(Picture picture);

    // Valid from construction to destruction, whether or not the window is shown.
    HDC hDC() const;
    HWND hWnd() const { return hwnd(); }

    // Runs Form_Load unless it already ran for this showing, then shows the window.
    void show();
    // Hides the window and runs Form_Unload; the next show() runs Form_Load
    // again. Closing the last visible form ends the message loop (WM_QUIT).
    void close();
    // Runs Form_Load now unless it already ran for this showing.
    void load();
    // An immediate whole paint cycle: background, Form_Paint and presentation
    // have all happened when it returns (if the window is visible).
    void refresh();

    // Sets the focus order of the controls by tab index, lowest first.
    void setTabIndices(std::initializer_list<std::pair<int, Control *>> controls);
    // Runs `action` when `keys` ("Alt+Left", "Ctrl+R", "F6": modifiers Ctrl,
    // Alt, Shift; keys letters, digits, Left, Right, Up, Down, F1 to F12)
    // are pressed anywhere in the window; `keys` names it in error reports.
    // Other key names are refused with std::invalid_argument.
    void addShortcut(const char *keys, std::function<void()> action);
    // Tells assistive tools that the drawn buttons' states may have changed.
    void drawnButtonsChanged();

    // The form that owns the window handle, or null for a handle that names none.
    static Form *fromHandle(HWND hwnd);
    // What the message loop does with a key message before it is dispatched:
    // true when a form took it as a shortcut or a focus move.
    static bool takeKey(const MSG &message);
    // Deletes the forms closed with setDestroyOnClose (the message loop calls
    // this between messages, when no event of theirs is running).
    static void deleteClosedForms();

private:
    friend class Control;
    friend class FormAccessible;
    friend class Timer;
    static LRESULT CALLBACK windowProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    bool handleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT &result);
    void handlePointer(UINT message, WPARAM wParam, LPARAM lParam);
    void handleMenuCommand(WPARAM wParam);
    // Runs an event procedure guarded, then presents what it drew.
    void runProcedure(const char *name, const std::function<void()> &run);
    void paintCycle();
    void fitWindowToClient();
    void focusFirstControl();
    // The client area's object for assistive tools, made on first use; null
    // when the system cannot provide its part.
    FormAccessible *accessible();

    std::unique_ptr<BackSurface> surface_;
    Picture picture_;
    std::shared_ptr<MenuCommands> commands_;
    std::unique_ptr<MenuBar> menuBar_;
    std::shared_ptr<WindowTimers> timers_;
    std::unique_ptr<FormKeyboard> keyboard_;
    FormAccessible *accessible_ = nullptr; // one reference, released with the form
    HWND focusBeforeDeactivation_ = nullptr;
    bool loaded_ = false;
    bool trackingLeave_ = false;
    bool destroyOnClose_ = false;
};

} // namespace forms

#endif
