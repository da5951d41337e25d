// A top-level window whose client area is a 32-bit surface that the system
// layer knows as the window's device context.
#ifndef PELLORY_FORMS_FORM_H
#define PELLORY_FORMS_FORM_H

#include <QImage>
#include <QWidget>
#include <cstdint>

#include "windows.h"

class QMenuBar;

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
// maximise button. Timers are plain QTimers; menus go in menuBar().
class Form : public QWidget {
    Q_OBJECT
public:
    // Pointer-button and shift state bits as the event procedures receive them.
    static constexpr std::int16_t LeftButton = 1;
    static constexpr std::int16_t RightButton = 2;
    static constexpr std::int16_t MiddleButton = 4;
    static constexpr std::int16_t ShiftMask = 1;
    static constexpr std::int16_t CtrlMask = 2;
    static constexpr std::int16_t AltMask = 4;

    explicit Form(QWidget *parent = nullptr);
    ~Form() override;

    // Parent of the window's controls; its coordinates are client pixels.
    QWidget *client() const;
    // The menu bar above the client area, created on first use. Captions take
    // "&" before the access letter; connect QAction::triggered to the handlers.
    QMenuBar *menuBar();

    // Fixes the client area's size in pixels (the surface keeps its content
    // where the sizes overlap; a paint cycle follows).
    void setClientSize(int width, int height);
    QSize clientSize() const;

    // The background picture, drawn at its own size from the top-left corner;
    // the rest of the client area shows the window's background colour.
    void setPicture(const QImage &picture);

    // Valid from construction to destruction, whether or not the window is shown.
    HDC hDC() const;
    HWND hWnd() const;

    // Runs Form_Load now unless it already ran for this showing (show() does
    // this on its own).
    void load();
    // An immediate whole paint cycle: background, Form_Paint and presentation
    // have all happened when it returns (if the window is visible).
    void refresh();

    // A copy of the client surface as drawn so far (tests and diagnostics).
    QImage surfaceSnapshot() const;

    // The form that owns the window handle, or null for a handle that names none.
    static Form *fromHandle(HWND hwnd);

protected:
    // Runs once before the window is first shown, and again at the next show
    // after the window was closed.
    virtual void Form_Load() {}
    // Runs after the background picture was drawn into the surface.
    virtual void Form_Paint() {}
    // Button: the pressed buttons (move) or the released button (up); Shift:
    // the held Shift/Ctrl/Alt keys. X, Y: client pixels.
    virtual void Form_MouseMove(std::int16_t Button, std::int16_t Shift, float X, float Y);
    virtual void Form_MouseUp(std::int16_t Button, std::int16_t Shift, float X, float Y);
    // The pointer left the client area (for a window outside it or for the
    // desktop; not for one of the form's own controls).
    virtual void Form_MouseLeave() {}

    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    friend class ClientArea;
    ClientArea *client_;
    QMenuBar *menuBar_ = nullptr;
    bool loaded_ = false;
};

} // namespace forms

#endif
