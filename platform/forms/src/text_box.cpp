#include "forms/text_box.h"

#include <QPalette>
#include <QVBoxLayout>

#include "forms/errors.h"

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

void TextBox::setText(const QString &text)
{
    if (text == text_)
        return;
    text_ = text;
    writeEditor(text);
    runGuarded("Change", [this] { emit Change(); });
}

void TextBox::editorChanged(const QString &text)
{
    if (text == text_)
        return;
    text_ = text;
    runGuarded("Change", [this] { emit Change(); });
}

void TextBox::setBackgroundColor(const QColor &color)
{
    QPalette palette = editor_->palette();
    palette.setColor(QPalette::Base, color);
    editor_->setPalette(palette);
}

void TextBox::setTextColor(const QColor &color)
{
    QPalette palette = editor_->palette();
    palette.setColor(QPalette::Text, color);
    editor_->setPalette(palette);
}

} // namespace forms
