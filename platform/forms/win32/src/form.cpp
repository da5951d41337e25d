#include "forms/form.h"

#include <algorithm>
#include <cstdint>
#include <stdexcept>

#include "back_surface.h"
#include "forms/errors.h"
#include "menu_bar_over.h"
#include "wide_text.h"
#include "window_timers.h"

namespace forms {
namespace {

// Caption and close box; no sizing border, no minimise or maximise box.
constexpr DWORD WindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;

std::vector<Form *> &liveForms()
{
    static std::vector<Form *> forms;
    return forms;
}

ATOM registerWindowClass(WNDPROC procedure)
{
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.lpszClassName = L"PelloryForm";
    // No background brush: every paint covers the whole client area.
    return RegisterClassExW(&windowClass);
}

void checkPicture(const Picture &picture)
{
    if (picture.width < 0 || picture.height < 0)
        throw std::invalid_argument("picture dimensions are negative");
    const std::uint64_t bytes = static_cast<std::uint64_t>(picture.width) * static_cast<std::uint64_t>(picture.height) * 4;
    if (bytes != picture.bgra.size())
        throw std::invalid_argument("picture buffer does not hold width x height 32-bit pixels");
}

} // namespace

Form::Form() : surface_(std::make_unique<BackSurface>()), commands_(std::make_shared<MenuCommands>())
{
    static const ATOM windowClass = registerWindowClass(&Form::windowProcedure);
    CreateWindowExW(0, reinterpret_cast<LPCWSTR>(static_cast<ULONG_PTR>(windowClass)), L"", WindowStyle, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                    CW_USEDEFAULT, nullptr, nullptr, GetModuleHandleW(nullptr), this);
    if (hwnd_ == nullptr) // set by WM_NCCREATE
        throw std::runtime_error("the window could not be created");
    timers_ = std::make_shared<WindowTimers>(hwnd_);
    liveForms().push_back(this);
    fitWindowToClient();
}

// The window goes first, with its menus and timers; Timers that outlive the
// form find their weak reference expired.
Form::~Form()
{
    std::erase(liveForms(), this);
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    timers_.reset();
    DestroyWindow(hwnd_);
}

MenuBar &Form::menuBar()
{
    if (menuBar_ == nullptr) {
        HMENU bar = CreateMenu();
        SetMenu(hwnd_, bar);
        menuBar_ = menuBarOver(bar, commands_, [this] {
            DrawMenuBar(hwnd_);
            fitWindowToClient();
        });
        fitWindowToClient();
    }
    return *menuBar_;
}

void Form::setCaption(TextView caption) { SetWindowTextW(hwnd_, toWide(caption).c_str()); }

void Form::setClientSize(int width, int height)
{
    surface_->resize(width, height);
    fitWindowToClient();
    InvalidateRect(hwnd_, nullptr, FALSE);
}

SIZE Form::clientSize() const { return SIZE{surface_->width(), surface_->height()}; }

void Form::fitWindowToClient()
{
    RECT frame{0, 0, surface_->width(), surface_->height()};
    AdjustWindowRectEx(&frame, WindowStyle, GetMenu(hwnd_) != nullptr, 0);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    constexpr UINT keepPlace = SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE;
    SetWindowPos(hwnd_, nullptr, 0, 0, width, height, keepPlace);
    // A menu bar too narrow for its menus wraps onto lines AdjustWindowRectEx does not count.
    RECT client{};
    GetClientRect(hwnd_, &client);
    const int shortBy = surface_->height() - client.bottom;
    if (shortBy != 0)
        SetWindowPos(hwnd_, nullptr, 0, 0, width, height + shortBy, keepPlace);
}

void Form::setPicture(Picture picture)
{
    checkPicture(picture);
    picture_ = std::move(picture);
    InvalidateRect(hwnd_, nullptr, FALSE);
}

HDC Form::hDC() const { return surface_->dc(); }

HWND Form::hWnd() const { return hwnd_; }

void Form::show()
{
    load();
    ShowWindow(hwnd_, SW_SHOW);
    // A cycle before show() returns, also for a window shown before.
    InvalidateRect(hwnd_, nullptr, FALSE);
    UpdateWindow(hwnd_);
}

void Form::close()
{
    ShowWindow(hwnd_, SW_HIDE);
    loaded_ = false;
    runProcedure("Form_Unload", [this] { Form_Unload(); });
    const auto &forms = liveForms();
    if (std::none_of(forms.begin(), forms.end(), [](const Form *form) { return IsWindowVisible(form->hwnd_); }))
        PostQuitMessage(0);
}

void Form::load()
{
    if (loaded_)
        return;
    loaded_ = true;
    runProcedure("Form_Load", [this] { Form_Load(); });
}

void Form::refresh()
{
    if (!IsWindowVisible(hwnd_))
        return;
    ValidateRect(hwnd_, nullptr);
    paintCycle();
}

void Form::paintCycle()
{
    surface_->paintBackground(picture_, GetSysColor(COLOR_BTNFACE));
    runGuarded("Form_Paint", [this] { Form_Paint(); });
    surface_->presentAll(hwnd_);
}

void Form::runProcedure(const char *name, const std::function<void()> &run)
{
    runGuarded(name, run);
    if (IsWindowVisible(hwnd_))
        surface_->presentChanges(hwnd_);
}

Form *Form::fromHandle(HWND hwnd)
{
    const auto &forms = liveForms();
    const auto found = std::find_if(forms.begin(), forms.end(), [hwnd](const Form *form) { return form->hwnd_ == hwnd; });
    return hwnd == nullptr || found == forms.end() ? nullptr : *found;
}

void Form::Form_MouseMove(std::int16_t, std::int16_t, float, float) {}

void Form::Form_MouseUp(std::int16_t, std::int16_t, float, float) {}

} // namespace forms
