#include "forms/single_line_text_box.h"

#include <QSignalBlocker>

#include "limited_line_edit.h"

namespace forms {

SingleLineTextBox::SingleLineTextBox(QWidget *parent)
    : TextBox(parent), edit_(new LimitedLineEdit(this))
{
    setEditor(edit_);
    connect(edit_, &QLineEdit::textChanged, this, &SingleLineTextBox::editorChanged);
}

void SingleLineTextBox::setMaxTypedLength(int length)
{
    edit_->setMaxTypedLength(length);
}

void SingleLineTextBox::setCentred(bool centred)
{
    edit_->setAlignment(centred ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter);
}

void SingleLineTextBox::focusSelectingAll()
{
    edit_->setFocus(Qt::ShortcutFocusReason);
    edit_->selectAll();
}

QLineEdit *SingleLineTextBox::editor() const
{
    return edit_;
}

void SingleLineTextBox::writeEditor(const QString &text)
{
    const QSignalBlocker quiet(edit_);
    edit_->setText(text);
}

} // namespace forms
