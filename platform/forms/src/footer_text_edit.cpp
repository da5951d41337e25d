#include "footer_text_edit.h"

#include <QLabel>

namespace forms {

FooterTextEdit::FooterTextEdit(QWidget *parent) : QPlainTextEdit(parent), footer_(new QLabel(this))
{
    // The box's own colours, so the line reads as part of the box.
    footer_->setBackgroundRole(QPalette::Base);
    footer_->setForegroundRole(QPalette::Text);
    footer_->setAutoFillBackground(true);
    footer_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    footer_->setContentsMargins(0, 0, 3, 0);
    footer_->setAttribute(Qt::WA_TransparentForMouseEvents);
    footer_->hide();
}

void FooterTextEdit::setFooterText(const QString &text)
{
    footer_->setText(text);
    footer_->setAccessibleName(text);
    const bool shown = !text.isEmpty();
    if (shown == footer_->isVisibleTo(this))
        return;
    footer_->setVisible(shown);
    reserveFooterRoom();
}

QString FooterTextEdit::footerText() const { return footer_->text(); }

void FooterTextEdit::setFooterFont(const QFont &font)
{
    footer_->setFont(font);
    reserveFooterRoom();
}

void FooterTextEdit::resizeEvent(QResizeEvent *event)
{
    QPlainTextEdit::resizeEvent(event);
    placeFooter();
}

void FooterTextEdit::reserveFooterRoom()
{
    const int height = footer_->isVisibleTo(this) ? footer_->sizeHint().height() : 0;
    setViewportMargins(0, 0, 0, height);
    placeFooter();
}

void FooterTextEdit::placeFooter()
{
    const QRect text = viewport()->geometry();
    footer_->setGeometry(text.left(), text.bottom() + 1, text.width(),
                         footer_->sizeHint().height());
}

} // namespace forms
