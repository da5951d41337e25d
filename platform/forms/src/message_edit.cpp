#include "message_edit.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>

namespace forms {

MessageEdit::MessageEdit(QWidget *parent) : FooterTextEdit(parent)
{
    setTabChangesFocus(true);
}

void MessageEdit::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Copy) && !textCursor().hasSelection()) {
        QGuiApplication::clipboard()->setText(toPlainText());
        return;
    }
    if (event->key() == Qt::Key_Tab && event->modifiers() == Qt::ControlModifier) {
        if (!isReadOnly())
            insertPlainText(QStringLiteral("\t"));
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

} // namespace forms
