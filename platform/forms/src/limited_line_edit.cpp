#include "limited_line_edit.h"

#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <limits>

namespace forms {

LimitedLineEdit::LimitedLineEdit(QWidget *parent) : QLineEdit(parent)
{
    setMaxLength(std::numeric_limits<int>::max());
    setAcceptDrops(false);
}

qsizetype LimitedLineEdit::room(qsizetype replaced) const
{
    return std::max<qsizetype>(0, maxTyped_ - (text().size() - replaced));
}

void LimitedLineEdit::pasteLimited(QClipboard::Mode mode)
{
    if (isReadOnly())
        return;
    const QString clip = QGuiApplication::clipboard()->text(mode);
    insert(clip.left(room(selectedText().size())));
}

void LimitedLineEdit::keyPressEvent(QKeyEvent *event)
{
    if (!limited() || isReadOnly()) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    if (event == QKeySequence::Paste) {
        pasteLimited(QClipboard::Clipboard);
        event->accept();
        return;
    }
    const QString typed = event->text();
    const bool inserts = !typed.isEmpty() && typed.at(0).isPrint();
    const qsizetype fits = room(selectedText().size());
    if (!inserts || typed.size() <= fits) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    event->accept();
    if (fits == 0)
        return;
    QKeyEvent shortened(event->type(), event->key(), event->modifiers(), typed.left(fits),
                        event->isAutoRepeat(), static_cast<quint16>(fits));
    QLineEdit::keyPressEvent(&shortened);
}

void LimitedLineEdit::mouseReleaseEvent(QMouseEvent *event)
{
    if (limited() && event->button() == Qt::MiddleButton &&
        QGuiApplication::clipboard()->supportsSelection()) {
        pasteLimited(QClipboard::Selection);
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void LimitedLineEdit::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu *menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    if (limited()) {
        for (QAction *action : menu->actions()) {
            if (action->objectName() != QLatin1String("edit-paste"))
                continue;
            disconnect(action, &QAction::triggered, nullptr, nullptr);
            connect(action, &QAction::triggered, this,
                    [this] { pasteLimited(QClipboard::Clipboard); });
        }
    }
    menu->popup(event->globalPos());
}

void LimitedLineEdit::inputMethodEvent(QInputMethodEvent *event)
{
    const QString commit = event->commitString();
    const qsizetype replaced =
        event->replacementLength() > 0 ? event->replacementLength() : selectedText().size();
    const qsizetype fits = room(replaced);
    if (!limited() || commit.size() <= fits) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    QInputMethodEvent shortened(event->preeditString(), event->attributes());
    shortened.setCommitString(commit.left(fits), event->replacementStart(),
                              event->replacementLength());
    QLineEdit::inputMethodEvent(&shortened);
}

} // namespace forms
