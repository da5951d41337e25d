// A multi-line text box: the message area.
#ifndef PELLORY_FORMS_MULTI_LINE_TEXT_BOX_H
#define PELLORY_FORMS_MULTI_LINE_TEXT_BOX_H

#include "forms/fonts.h"
#include "forms/text_box.h"

class QPlainTextEdit;

namespace forms {

class MessageEdit;

// Several lines with word wrap, a vertical scroll bar, and centred text. Tab
// moves the focus on (Ctrl+Tab types a tab); copying with nothing selected
// copies the whole text.
class MultiLineTextBox : public TextBox {
    Q_OBJECT
public:
    explicit MultiLineTextBox(QWidget *parent = nullptr);

    QPlainTextEdit *editor() const;

    // A line of text inside the box's frame, below the text and beside the
    // scroll bar, in the box's colours. The text gives up that room, so the
    // footer never covers it. Screen readers read the footer as a label of
    // the same text. An empty text removes the line.
    void setFooterText(TextView text);
    Text footerText() const;
    void setFooterFont(const Font &font);

private:
    void writeEditor(const QString &text) override;
    MessageEdit *edit_;
};

} // namespace forms

#endif
