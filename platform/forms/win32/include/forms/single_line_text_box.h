// A one-line text box with a typed-length limit.
#ifndef PELLORY_FORMS_SINGLE_LINE_TEXT_BOX_H
#define PELLORY_FORMS_SINGLE_LINE_TEXT_BOX_H

#include "forms/text_box.h"

namespace forms {

// One-line text box. The typed-length limit restricts only what the user
// types or pastes (a paste is cut to what still fits); code may write any
// text, longer ones included.
class SingleLineTextBox : public TextBox {
public:
    explicit SingleLineTextBox(Control *parent);

    // 0: no limit.
    void setMaxTypedLength(int length);
    // The text centred across the box (else from the left).
    void setCentred(bool centred);
    // Gives the box the focus with its whole text selected, so typing replaces it.
    void focusSelectingAll();

protected:
    bool handleOwnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT &result) override;

private:
    int maxTypedLength_ = 0;
};

} // namespace forms

#endif
