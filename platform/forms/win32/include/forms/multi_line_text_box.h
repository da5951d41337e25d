// A multi-line text box: the message area.
#ifndef PELLORY_FORMS_MULTI_LINE_TEXT_BOX_H
#define PELLORY_FORMS_MULTI_LINE_TEXT_BOX_H

#include "forms/fonts.h"
#include "forms/text_box.h"

namespace forms {

// Several lines with word wrap, a vertical scroll bar, and centred text. Tab
// moves the focus on (Ctrl+Tab types a tab); copying with nothing selected
// copies the whole text.
class MultiLineTextBox : public TextBox {
public:
    explicit MultiLineTextBox(Control *parent);

    // A line of text inside the box's frame, below the text, right-aligned,
    // in the box's colours. The text gives up that room, so the footer never
    // covers it. An empty text removes the line.
    void setFooterText(TextView text);
    const Text &footerText() const { return footer_; }
    void setFooterFont(const Font &font);

private:
    bool handleOwnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT &result) override;
    int footerHeight() const;
    // Keeps the text out of the footer's line.
    void reserveFooterLine();
    void drawFooter();
    void copyWholeTextWithoutSelection();

    Text footer_;
    HFONT footerFont_ = nullptr;
};

} // namespace forms

#endif
