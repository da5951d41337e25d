#include "forms/text_box.h"

#include <QPalette>
#include <QVBoxLayout>

#include "forms/errors.h"
#include "qt_text.h"
#include "qt_values.h"

namespace forms {

TextBox::TextBox(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_NoMousePropagation);
}

void TextBox::setEditor(QWidget *editor)
{
    editor_ = editor;
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(editor);
    setFocusProxy(editor);
}

void TextBox::setText(TextView text)
{
    if (text == text_)
        return;
    text_ = Text(text);
    writeEditor(toQString(text));
    changed();
}

void TextBox::editorChanged(const QString &text)
{
    Text edited = toText(text);
    if (edited == text_)
        return;
    text_ = std::move(edited);
    changed();
}

void TextBox::setHandler(std::function<void()> onChange) { onChange_ = std::move(onChange); }

void TextBox::changed()
{
    if (onChange_)
        runGuarded("Change", [this] { onChange_(); });
}

void TextBox::setBackgroundColor(const Color &color)
{
    QPalette palette = editor_->palette();
    palette.setColor(QPalette::Base, toQColor(color));
    editor_->setPalette(palette);
}

void TextBox::setTextColor(const Color &color)
{
    QPalette palette = editor_->palette();
    palette.setColor(QPalette::Text, toQColor(color));
    editor_->setPalette(palette);
}

} // namespace forms
