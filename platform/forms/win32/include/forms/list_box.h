// A list box with one highlighted entry.
#ifndef PELLORY_FORMS_LIST_BOX_H
#define PELLORY_FORMS_LIST_BOX_H

#include <functional>

#include "forms/control.h"
#include "forms/text.h"

namespace forms {

// An unsorted single-choice system list. "Highlighted" is the selected
// entry: none right after filling, and once one is highlighted the user can
// move the highlight but not remove it. Click is raised whenever another
// entry becomes highlighted, by pointer or keyboard. While nothing is
// highlighted, the first Down or Up highlights the first entry and End the last.
class ListBox : public Control {
public:
    explicit ListBox(Control *parent);

    void addEntry(TextView text);
    // Text of the highlighted entry; empty when none is.
    Text highlightedText() const;
    // Replaces what runs on Click.
    void setHandler(std::function<void()> onClick) { onClick_ = std::move(onClick); }

private:
    bool handleOwnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT &result) override;
    bool handleNotification(UINT message, WPARAM wParam, LPARAM lParam, LRESULT &result) override;
    void clickIfMoved();

    int highlightedRow_ = -1;
    std::function<void()> onClick_;
};

} // namespace forms

#endif
