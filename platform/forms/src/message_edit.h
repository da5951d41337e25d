// The editor of a multi-line text box.
#ifndef PELLORY_FORMS_MESSAGE_EDIT_H
#define PELLORY_FORMS_MESSAGE_EDIT_H

#include "footer_text_edit.h"

namespace forms {

// Tab and Shift+Tab move the focus on, as the system's own text boxes do;
// Ctrl+Tab types a tab. Copy with nothing selected copies the whole text, so
// a shown message can be copied without selecting it first.
class MessageEdit : public FooterTextEdit {
    Q_OBJECT
public:
    explicit MessageEdit(QWidget *parent);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

} // namespace forms

#endif
