// What every text box shares: its text and the change event.
#ifndef PELLORY_FORMS_TEXT_BOX_H
#define PELLORY_FORMS_TEXT_BOX_H

#include <functional>
#include <optional>

#include "forms/control.h"
#include "forms/geometry.h"
#include "forms/text.h"

namespace forms {

// A text box over a system EDIT control. Its handler (Change) runs
// synchronously inside every write that changes the text, by the user or by
// code (setText), including writes made by the handler itself (they nest);
// writing the same text again runs nothing.
class TextBox : public Control {
public:
    ~TextBox() override;

    const Text &text() const { return text_; }
    void setText(TextView text);

    // Replaces what runs on Change.
    void setHandler(std::function<void()> onChange) { onChange_ = std::move(onChange); }

    void setBackgroundColor(const Color &color);
    void setTextColor(const Color &color);

protected:
    TextBox(Control *parent, DWORD style);
    bool handleNotification(UINT message, WPARAM wParam, LPARAM lParam, LRESULT &result) override;

private:
    // The text the user left in the editor, when it differs from the known one.
    void editorChanged();
    void changed();

    Text text_;
    std::function<void()> onChange_;
    bool writing_ = false;
    std::optional<COLORREF> background_;
    std::optional<COLORREF> textColour_;
    HBRUSH backgroundBrush_ = nullptr;
};

} // namespace forms

#endif
