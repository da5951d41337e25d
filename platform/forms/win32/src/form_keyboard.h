// A form's keyboard: the tab order of its controls and its window-wide
// shortcuts, both taken from the key messages before they are dispatched.
#ifndef PELLORY_FORMS_WIN32_FORM_KEYBOARD_H
#define PELLORY_FORMS_WIN32_FORM_KEYBOARD_H

#include <windows.h>

#include <functional>
#include <initializer_list>
#include <utility>
#include <vector>

#include "forms/control.h"

namespace forms {

// A key with the modifiers that must be held, and only those.
struct KeyChord {
    UINT key = 0;
    bool ctrl = false;
    bool alt = false;
    bool shift = false;
    friend bool operator==(const KeyChord &, const KeyChord &) = default;
};

// "Alt+Left", "Ctrl+R", "F6"; std::invalid_argument for what it cannot name.
KeyChord parseKeyChord(const char *keys);

class FormKeyboard {
public:
    using Runner = std::function<void(const char *name, const std::function<void()> &action)>;

    void setTabIndices(std::initializer_list<std::pair<int, Control *>> controls);
    void addShortcut(const char *keys, std::function<void()> action);

    // The visible, enabled control with the lowest tab index, or null.
    Control *firstInTabOrder() const;
    // A shortcut runs its action through `run`; Tab and Shift+Tab move the
    // focus; Ctrl+A selects all in a text box. True when the message was
    // taken and must not be dispatched.
    bool takeKey(const MSG &message, const Runner &run) const;

private:
    struct Shortcut {
        KeyChord chord;
        const char *name;
        std::function<void()> action;
    };
    bool moveFocus(HWND focus, bool backwards) const;
    static bool isTextBox(HWND window);

    std::vector<Control *> tabOrder_;
    std::vector<Shortcut> shortcuts_;
};

} // namespace forms

#endif
