// A top-level window of the Windows build: a fixed-size frame with a caption,
// a close box and an optional menu bar, over a client area whose device
// context is a 32-bit surface kept behind the window.
#ifndef PELLORY_FORMS_FORM_H
#define PELLORY_FORMS_FORM_H

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>

#include "forms/menu.h"
#include "forms/picture.h"
#include "forms/text.h"

namespace forms {

class BackSurface;
class MenuCommands;
class Timer;
class WindowTimers;

// Base of the application's windows. Subclasses override the event
// procedures.
//
// Painting: every WM_PAINT, setPicture, setClientSize and refresh() run a
// paint cycle: the background picture is drawn into the whole surface
// (whatever rectangle was invalidated), Form_Paint runs, then the surface is
// presented. Drawing through hDC() at any other time is presented when the
// event procedure that drew returns, without repainting the background and
// without Form_Paint, and only the pixels that changed.
//
// Pointer events arrive in client pixels as floats. The window is not
// resizable and has no minimise or maximise button. Timers are forms::Timer;
// menus go in menuBar(). Every event procedure runs guarded: an error that
// escapes it is reported and ends the program (forms/errors.h).
class Form {
public:
    // Pointer-button and shift state bits as the event procedures receive them.
    static constexpr std::int16_t LeftButton = 1;
    static constexpr std::int16_t RightButton = 2;
    static constexpr std::int16_t MiddleButton = 4;
    static constexpr std::int16_t ShiftMask = 1;
    static constexpr std::int16_t CtrlMask = 2;
    static constexpr std::int16_t AltMask = 4;

    Form();
    virtual ~Form();
    Form(const Form &) = delete;
    Form &operator=(const Form &) = delete;

    // The menu bar above the client area, created on first use.
    MenuBar &menuBar();
    void setCaption(TextView caption);

    // Fixes the client area's size in pixels, menu bar excluded (the surface
    // keeps its content where the sizes overlap; a paint cycle follows).
    void setClientSize(int width, int height);
    SIZE clientSize() const;

    // The background picture, drawn at its own size from the top-left corner;
    // the rest of the client area shows the window colour. A buffer whose size
    // does not match its dimensions is refused with std::invalid_argument.
    void setPicture(Picture picture);

    // Valid from construction to destruction, whether or not the window is shown.
    HDC hDC() const;
    HWND hWnd() const;

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

    // The form that owns the window handle, or null for a handle that names none.
    static Form *fromHandle(HWND hwnd);

protected:
    // Runs once before the window is first shown, and again at the next show
    // after the window was closed.
    virtual void Form_Load() {}
    // Runs after the background picture was drawn into the surface.
    virtual void Form_Paint() {}
    // Runs when the window has been closed (by the user or by close()).
    virtual void Form_Unload() {}
    // Button: the pressed buttons (move) or the released button (up); Shift:
    // the held Shift/Ctrl/Alt keys. X, Y: client pixels.
    virtual void Form_MouseMove(std::int16_t Button, std::int16_t Shift, float X, float Y);
    virtual void Form_MouseUp(std::int16_t Button, std::int16_t Shift, float X, float Y);
    // The pointer left the client area.
    virtual void Form_MouseLeave() {}

private:
    friend class Timer;
    static LRESULT CALLBACK windowProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    bool handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void handlePointer(UINT message, WPARAM wParam, LPARAM lParam);
    void handleCommand(WPARAM wParam, LPARAM lParam);
    // Runs an event procedure guarded, then presents what it drew.
    void runProcedure(const char *name, const std::function<void()> &run);
    void paintCycle();
    void fitWindowToClient();

    HWND hwnd_ = nullptr;
    std::unique_ptr<BackSurface> surface_;
    Picture picture_;
    std::shared_ptr<MenuCommands> commands_;
    std::unique_ptr<MenuBar> menuBar_;
    std::shared_ptr<WindowTimers> timers_;
    bool loaded_ = false;
    bool trackingLeave_ = false;
};

} // namespace forms

#endif
