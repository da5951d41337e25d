// A line edit whose typing and pasting stop at a length limit while code
// can still write longer texts.
#ifndef PELLORY_FORMS_LIMITED_LINE_EDIT_H
#define PELLORY_FORMS_LIMITED_LINE_EDIT_H

#include <QClipboard>
#include <QLineEdit>

namespace forms {

// QLineEdit::setMaxLength would also cut texts written by code, so the user's
// insertions are cut here instead: typed keys, pastes (keyboard, context
// menu, middle button) and input-method commits. Drops are not accepted.
class LimitedLineEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit LimitedLineEdit(QWidget *parent);

    void setMaxTypedLength(int length) { maxTyped_ = length; }

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;

private:
    bool limited() const { return maxTyped_ > 0; }
    // How many characters may still be inserted in place of the selection.
    qsizetype room(qsizetype replaced) const;
    void pasteLimited(QClipboard::Mode mode);

    int maxTyped_ = 0;
};

} // namespace forms

#endif
