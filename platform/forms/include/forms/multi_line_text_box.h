// A multi-line text box: the message area.
#ifndef PELLORY_FORMS_MULTI_LINE_TEXT_BOX_H
#define PELLORY_FORMS_MULTI_LINE_TEXT_BOX_H

#include "forms/text_box.h"

class QPlainTextEdit;

namespace forms {

// Several lines with word wrap, a vertical scroll bar, and centred text. Tab
// moves the focus on (Ctrl+Tab types a tab); copying with nothing selected
// copies the whole text.
class MultiLineTextBox : public TextBox {
    Q_OBJECT
public:
    explicit MultiLineTextBox(QWidget *parent = nullptr);

    QPlainTextEdit *editor() const { return edit_; }

private:
    void writeEditor(const QString &text) override;
    QPlainTextEdit *edit_;
};

} // namespace forms

#endif
