#include "forms/multi_line_text_box.h"

#include "qt_text.h"
#include "qt_values.h"
#include "message_edit.h"

#include <QSignalBlocker>
#include <QTextDocument>
#include <QTextOption>


namespace forms {

MultiLineTextBox::MultiLineTextBox(QWidget *parent)
    : TextBox(parent), edit_(new MessageEdit(this))
{
    setEditor(edit_);
    edit_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    edit_->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    edit_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    edit_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QTextOption option = edit_->document()->defaultTextOption();
    option.setAlignment(Qt::AlignHCenter);
    edit_->document()->setDefaultTextOption(option);
    connect(edit_, &QPlainTextEdit::textChanged, this,
            [this] { editorChanged(edit_->toPlainText()); });
}

QPlainTextEdit *MultiLineTextBox::editor() const { return edit_; }

void MultiLineTextBox::setFooterText(TextView text) { edit_->setFooterText(toQString(text)); }

Text MultiLineTextBox::footerText() const { return toText(edit_->footerText()); }

void MultiLineTextBox::setFooterFont(const Font &font) { edit_->setFooterFont(toQFont(font)); }

void MultiLineTextBox::writeEditor(const QString &text)
{
    const QSignalBlocker quiet(edit_);
    edit_->setPlainText(text);
}

} // namespace forms
