#include "form_keyboard.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>
#include <string>
#include <string_view>

namespace forms {
namespace {

UINT namedKey(std::string_view name)
{
    if (name.size() == 1 && ((name[0] >= 'A' && name[0] <= 'Z') || (name[0] >= '0' && name[0] <= '9')))
        return static_cast<UINT>(name[0]); // virtual-key codes of letters and digits are their capitals
    static constexpr std::pair<std::string_view, UINT> Named[] = {
        {"Left", VK_LEFT}, {"Right", VK_RIGHT}, {"Up", VK_UP}, {"Down", VK_DOWN}};
    for (const auto &[known, key] : Named)
        if (name == known)
            return key;
    if (name.size() >= 2 && name.size() <= 3 && name[0] == 'F') {
        const int number = std::stoi(std::string(name.substr(1)));
        if (number >= 1 && number <= 12)
            return static_cast<UINT>(VK_F1 + number - 1);
    }
    throw std::invalid_argument("unknown key in shortcut: " + std::string(name));
}

bool held(int key) { return GetKeyState(key) < 0; }

bool focusable(const Control *control)
{
    return IsWindowVisible(control->hwnd()) && IsWindowEnabled(control->hwnd());
}

} // namespace

KeyChord parseKeyChord(const char *keys)
{
    KeyChord chord;
    std::string_view rest(keys);
    for (std::size_t plus = rest.find('+'); plus != std::string_view::npos && plus + 1 < rest.size();
         plus = rest.find('+')) {
        const std::string_view modifier = rest.substr(0, plus);
        if (modifier == "Ctrl")
            chord.ctrl = true;
        else if (modifier == "Alt")
            chord.alt = true;
        else if (modifier == "Shift")
            chord.shift = true;
        else
            throw std::invalid_argument("unknown modifier in shortcut: " + std::string(keys));
        rest.remove_prefix(plus + 1);
    }
    chord.key = namedKey(rest);
    return chord;
}

void FormKeyboard::setTabIndices(std::initializer_list<std::pair<int, Control *>> controls)
{
    std::vector<std::pair<int, Control *>> ordered(controls);
    std::stable_sort(ordered.begin(), ordered.end(),
                     [](const auto &a, const auto &b) { return a.first < b.first; });
    tabOrder_.clear();
    for (const auto &[index, control] : ordered) {
        // The style tells tools which controls the user can tab to.
        SetWindowLongPtrW(control->hwnd(), GWL_STYLE, GetWindowLongPtrW(control->hwnd(), GWL_STYLE) | WS_TABSTOP);
        tabOrder_.push_back(control);
    }
}

void FormKeyboard::addShortcut(const char *keys, std::function<void()> action)
{
    shortcuts_.push_back(Shortcut{parseKeyChord(keys), keys, std::move(action)});
}

Control *FormKeyboard::firstInTabOrder() const
{
    const auto found = std::find_if(tabOrder_.begin(), tabOrder_.end(), focusable);
    return found == tabOrder_.end() ? nullptr : *found;
}

// Ctrl+A selects a text box's whole text on Linux; the system's edit
// control does so in some Windows versions and not in others.
bool FormKeyboard::isTextBox(HWND window)
{
    wchar_t className[8] = {};
    return GetClassNameW(window, className, 8) > 0 && lstrcmpiW(className, L"Edit") == 0;
}

bool FormKeyboard::takeKey(const MSG &message, const Runner &run) const
{
    if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN)
        return false;
    const KeyChord pressed{static_cast<UINT>(message.wParam), held(VK_CONTROL), held(VK_MENU), held(VK_SHIFT)};
    for (const Shortcut &shortcut : shortcuts_)
        if (shortcut.chord == pressed) {
            // The system learns that Alt went with a key, or letting go of
            // Alt would open the menu bar.
            if (message.message == WM_SYSKEYDOWN)
                DefWindowProcW(message.hwnd, message.message, message.wParam, message.lParam);
            run(shortcut.name, shortcut.action);
            return true;
        }
    if (pressed.key == VK_TAB && !pressed.ctrl && !pressed.alt)
        return moveFocus(message.hwnd, pressed.shift);
    if (pressed == KeyChord{'A', true, false, false} && isTextBox(message.hwnd)) {
        SendMessageW(message.hwnd, EM_SETSEL, 0, -1);
        return true;
    }
    return false;
}

// To the next focusable control after the one holding the focus, round the
// end; from outside the order to the first (or, backwards, the last).
bool FormKeyboard::moveFocus(HWND focus, bool backwards) const
{
    const auto count = static_cast<std::ptrdiff_t>(tabOrder_.size());
    if (count == 0)
        return false;
    const auto holding = std::find_if(tabOrder_.begin(), tabOrder_.end(), [focus](const Control *control) {
        return control->hwnd() == focus || IsChild(control->hwnd(), focus);
    });
    std::ptrdiff_t at = holding == tabOrder_.end() ? (backwards ? 0 : -1) : holding - tabOrder_.begin();
    for (std::ptrdiff_t step = 0; step < count; ++step) {
        at = (at + (backwards ? count - 1 : 1)) % count;
        if (focusable(tabOrder_[static_cast<std::size_t>(at)])) {
            SetFocus(tabOrder_[static_cast<std::size_t>(at)]->hwnd());
            return true;
        }
    }
    return false;
}

} // namespace forms
