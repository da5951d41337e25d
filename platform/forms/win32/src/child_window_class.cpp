#include "child_window_class.h"

namespace forms {

const wchar_t *childWindowClass(const wchar_t *name, int background)
{
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    if (GetClassInfoExW(GetModuleHandleW(nullptr), name, &windowClass))
        return name;
    windowClass.lpfnWndProc = &DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.hbrBackground = background < 0 ? nullptr : GetSysColorBrush(background);
    windowClass.lpszClassName = name;
    RegisterClassExW(&windowClass);
    return name;
}

} // namespace forms
