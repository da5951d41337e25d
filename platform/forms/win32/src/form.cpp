#include "forms/form.h"

#include <algorithm>
#include <cstdint>
#include <stdexcept>

#include "back_surface.h"
#include "form_accessible.h"
#include "form_keyboard.h"
#include "forms/errors.h"
#include "menu_bar_over.h"
#include "picture_drawing.h"
#include "wide_text.h"
#include "window_timers.h"

namespace forms {
namespace {

// Caption and close box; no sizing border, no minimise or maximise box. The
// surface is presented around the controls, never over them.
constexpr DWORD WindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;

// The program's icon in its executable.
constexpr int ProgramIconResource = 1;

std::vector<Form *> &liveForms()
{
    static std::vector<Form *> forms;
    return forms;
}

std::vector<Form *> &closedForms()
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

} // namespace

Form::Form()
    : Control(nullptr), surface_(std::make_unique<BackSurface>()), commands_(std::make_shared<MenuCommands>()),
      keyboard_(std::make_unique<FormKeyboard>())
{
    static const ATOM windowClass = registerWindowClass(&Form::windowProcedure);
    CreateWindowExW(0, reinterpret_cast<LPCWSTR>(static_cast<ULONG_PTR>(windowClass)), L"", WindowStyle, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                    CW_USEDEFAULT, nullptr, nullptr, GetModuleHandleW(nullptr), this);
    if (hwnd() == nullptr) // set by WM_NCCREATE
        throw std::runtime_error("the window could not be created");
    timers_ = std::make_shared<WindowTimers>(hwnd());
    liveForms().push_back(this);
    fitWindowToClient();
}

// The window goes first, with its controls, menus and timers; Timers that
// outlive the form find their weak reference expired.
Form::~Form()
{
    std::erase(liveForms(), this);
    std::erase(closedForms(), this);
    if (accessible_ != nullptr) {
        accessible_->disconnect(); // tools may hold it longer
        accessible_->Release();
        accessible_ = nullptr;
    }
    SetWindowLongPtrW(hwnd(), GWLP_USERDATA, 0);
    timers_.reset();
    destroyWindow();
}

MenuBar &Form::menuBar()
{
    if (menuBar_ == nullptr) {
        HMENU bar = CreateMenu();
        SetMenu(hwnd(), bar);
        menuBar_ = menuBarOver(bar, commands_, [this] {
            DrawMenuBar(hwnd());
            fitWindowToClient();
        });
        fitWindowToClient();
    }
    return *menuBar_;
}

void Form::setCaption(TextView caption) { SetWindowTextW(hwnd(), toWide(caption).c_str()); }

void Form::setIconFile(TextView)
{
    HINSTANCE program = GetModuleHandleW(nullptr);
    const auto icon = [program](int size) {
        return reinterpret_cast<LPARAM>(LoadImageW(program, MAKEINTRESOURCEW(ProgramIconResource), IMAGE_ICON,
                                                   GetSystemMetrics(size), GetSystemMetrics(size), LR_SHARED));
    };
    if (const LPARAM big = icon(SM_CXICON); big != 0)
        SendMessageW(hwnd(), WM_SETICON, ICON_BIG, big);
    if (const LPARAM small = icon(SM_CXSMICON); small != 0)
        SendMessageW(hwnd(), WM_SETICON, ICON_SMALL, small);
}

void Form::centreOnScreen()
{
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    RECT frame{};
    GetWindowRect(hwnd(), &frame);
    const int left = work.left + (work.right - work.left - (frame.right - frame.left)) / 2;
    const int top = work.top + (work.bottom - work.top - (frame.bottom - frame.top)) / 2;
    SetWindowPos(hwnd(), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::bringToFront()
{
    BringWindowToTop(hwnd());
    SetForegroundWindow(hwnd());
}

void Form::setClientSize(int width, int height)
{
    surface_->resize(width, height);
    fitWindowToClient();
    InvalidateRect(hwnd(), nullptr, FALSE);
}

Size Form::clientSize() const { return Size{surface_->width(), surface_->height()}; }

void Form::fitWindowToClient()
{
    RECT frame{0, 0, surface_->width(), surface_->height()};
    AdjustWindowRectEx(&frame, WindowStyle, GetMenu(hwnd()) != nullptr, 0);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    constexpr UINT keepPlace = SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE;
    SetWindowPos(hwnd(), nullptr, 0, 0, width, height, keepPlace);
    // A menu bar too narrow for its menus wraps onto lines AdjustWindowRectEx does not count.
    RECT client{};
    GetClientRect(hwnd(), &client);
    const int shortBy = surface_->height() - client.bottom;
    if (shortBy != 0)
        SetWindowPos(hwnd(), nullptr, 0, 0, width, height + shortBy, keepPlace);
}

void Form::setPicture(Picture picture)
{
    checkPicture(picture);
    picture_ = std::move(picture);
    InvalidateRect(hwnd(), nullptr, FALSE);
}

HDC Form::hDC() const { return surface_->dc(); }

void Form::show()
{
    load();
    const bool wasVisible = IsWindowVisible(hwnd()) != FALSE;
    ShowWindow(hwnd(), SW_SHOW);
    if (!wasVisible)
        focusFirstControl();
    // A cycle before show() returns, also for a window shown before.
    InvalidateRect(hwnd(), nullptr, FALSE);
    UpdateWindow(hwnd());
}

void Form::focusFirstControl()
{
    if (Control *first = keyboard_->firstInTabOrder())
        SetFocus(first->hwnd());
}

void Form::close()
{
    ShowWindow(hwnd(), SW_HIDE);
    loaded_ = false;
    runProcedure("Form_Unload", [this] { Form_Unload(); });
    if (destroyOnClose_ && std::find(closedForms().begin(), closedForms().end(), this) == closedForms().end())
        closedForms().push_back(this);
    const auto &forms = liveForms();
    if (std::none_of(forms.begin(), forms.end(), [](const Form *form) { return IsWindowVisible(form->hwnd()); }))
        PostQuitMessage(0);
}

void Form::deleteClosedForms()
{
    while (!closedForms().empty())
        delete closedForms().back(); // its destructor takes it off the list
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
    if (!IsWindowVisible(hwnd()))
        return;
    ValidateRect(hwnd(), nullptr);
    paintCycle();
}

void Form::paintCycle()
{
    surface_->paintBackground(picture_, GetSysColor(COLOR_BTNFACE));
    runGuarded("Form_Paint", [this] { Form_Paint(); });
    surface_->presentAll(hwnd());
}

void Form::runProcedure(const char *name, const std::function<void()> &run)
{
    runGuarded(name, run);
    if (IsWindow(hwnd()) && IsWindowVisible(hwnd()))
        surface_->presentChanges(hwnd());
}

void Form::setTabIndices(std::initializer_list<std::pair<int, Control *>> controls)
{
    keyboard_->setTabIndices(controls);
}

void Form::addShortcut(const char *keys, std::function<void()> action)
{
    keyboard_->addShortcut(keys, std::move(action));
}

bool Form::takeKey(const MSG &message)
{
    Form *form = fromHandle(GetAncestor(message.hwnd, GA_ROOT));
    if (form == nullptr)
        return false;
    return form->keyboard_->takeKey(message, [form](const char *name, const std::function<void()> &action) {
        form->runProcedure(name, action);
    });
}

FormAccessible *Form::accessible()
{
    if (accessible_ == nullptr)
        accessible_ = FormAccessible::create(*this);
    return accessible_;
}

// Every button: telling which ones changed would cost more than the tools' asking.
void Form::drawnButtonsChanged()
{
    FormAccessible *tools = accessible();
    if (tools == nullptr)
        return;
    for (int k = 0; k < drawnButtonCount(); ++k)
        NotifyWinEvent(EVENT_OBJECT_STATECHANGE, hwnd(), OBJID_CLIENT, tools->childId(k));
}

Form *Form::fromHandle(HWND hwnd)
{
    const auto &forms = liveForms();
    const auto found = std::find_if(forms.begin(), forms.end(), [hwnd](const Form *form) { return form->hwnd() == hwnd; });
    return hwnd == nullptr || found == forms.end() ? nullptr : *found;
}

} // namespace forms
