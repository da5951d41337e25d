#include "forms/multi_line_text_box.h"

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

void MultiLineTextBox::setFooterText(const QString &text) { edit_->setFooterText(text); }

QString MultiLineTextBox::footerText() const { return edit_->footerText(); }

void MultiLineTextBox::setFooterFont(const QFont &font) { edit_->setFooterFont(font); }

void MultiLineTextBox::writeEditor(const QString &text)
{
    const QSignalBlocker quiet(edit_);
    edit_->setPlainText(text);
}

} // namespace forms
