// A top-level window whose client area is a 32-bit surface that the system
// layer knows as the window's device context.
#ifndef PELLORY_FORMS_FORM_H
#define PELLORY_FORMS_FORM_H

#include <QImage>
#include <QPointer>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <utility>
#include <vector>

#include "forms/control.h"
#include "forms/form_procedures.h"
#include "forms/menu.h"
#include "forms/picture.h"
#include "forms/text.h"
#include "windows.h"

namespace forms {

class ClientArea;

// Base of the application's windows. Subclasses override the event
// procedures; controls are created with client() as their parent and placed
// in client pixels (see units.h for twips).
//
// Painting: when a paint cycle is due (first show, background picture set,
// InvalidateRect on hWnd(), refresh()), the framework draws the background
// picture into the whole surface (whatever rectangle was invalidated), runs
// Form_Paint, then presents the surface. Drawing through hDC() at any other time is presented
// promptly on its own, without repainting the background and without Form_Paint.
//
// Pointer events arrive in client pixels as floats and are not raised over
// child controls. The window is not resizable and has no minimise or
// maximise button. Timers are forms::Timer; menus go in menuBar().
//
// Keyboard: controls take the focus in the order of their tab indices, and
// the shown window starts with the focus on the visible, enabled one with the
// lowest index. Window-wide shortcuts work whichever control has the focus.
//
// Buttons drawn on the surface (drawnButtonCount and its companions) appear
// to assistive tools as push buttons and show their names as tooltips.
class Form : public QWidget, public FormProcedures {
    Q_OBJECT
public:
    explicit Form(QWidget *parent = nullptr);
    ~Form() override;

    // Parent of the window's controls; its coordinates are client pixels.
    Control *client() const;
    // The menu bar above the client area, created on first use.
    MenuBar &menuBar();

    void setCaption(TextView caption);
    // The window's icon from a PNG file; an unreadable file leaves the default.
    void setIconFile(TextView pngFile);
    // Moves the whole window, frame included, to the middle of the screen.
    void centreOnScreen();
    // Raises the window above the others and gives it the keyboard.
    void bringToFront();
    // Closing destroys the object too (windows the program creates with new).
    void setDestroyOnClose();

    // Fixes the client area's size in pixels (the surface keeps its content
    // where the sizes overlap; a paint cycle follows).
    void setClientSize(int width, int height);
    Size clientSize() const;

    // The background picture, drawn at its own size from the top-left corner;
    // the rest of the client area shows the window's background colour.
    void setPicture(const Picture &picture);

    // Valid from construction to destruction, whether or not the window is shown.
    HDC hDC() const;
    HWND hWnd() const;

    // Runs Form_Load now unless it already ran for this showing (show() does
    // this on its own).
    void load();
    // An immediate whole paint cycle: background, Form_Paint and presentation
    // have all happened when it returns (if the window is visible).
    void refresh();

    // Sets the focus order of the controls by tab index, lowest first. A
    // text box is given as itself; its editor takes the focus.
    void setTabIndices(std::initializer_list<std::pair<int, Control *>> controls);
    // Runs `action` when `keys` (a string literal such as "Alt+Left", which
    // also names the action in error reports) are pressed anywhere in the window.
    void addShortcut(const char *keys, std::function<void()> action);

    // Tells assistive tools that the drawn buttons' checked states may have changed.
    void drawnButtonsChanged();

    // A copy of the client surface as drawn so far (tests and diagnostics).
    QImage surfaceSnapshot() const;

    // The form that owns the window handle, or null for a handle that names none.
    static Form *fromHandle(HWND hwnd);

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void focusLowestTabIndex();

    friend class ClientArea;
    ClientArea *client_;
    std::vector<QPointer<QWidget>> tabOrder_;
    std::unique_ptr<MenuBar> menuBar_;
    bool loaded_ = false;
};

} // namespace forms

#endif
