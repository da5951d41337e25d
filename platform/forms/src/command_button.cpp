#include "forms/command_button.h"

#include <QKeyEvent>
#include <QStyleOptionButton>
#include <QStylePainter>

#include "qt_text.h"

namespace forms {

CommandButton::CommandButton(QWidget *parent) : CommandButton(TextView(), parent) {}

CommandButton::CommandButton(TextView caption, QWidget *parent)
    : QPushButton(toQString(caption), parent)
{
    setAttribute(Qt::WA_NoMousePropagation);
    connect(this, &QPushButton::clicked, this, [this] {
        if (onClick_)
            onClick_();
    });
}

void CommandButton::setHandler(std::function<void()> onClick) { onClick_ = std::move(onClick); }

void CommandButton::setPicture(const QImage &picture)
{
    picture_ = picture;
    update();
}

void CommandButton::paintEvent(QPaintEvent *event)
{
    if (picture_.isNull()) {
        QPushButton::paintEvent(event);
        return;
    }
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    painter.drawControl(QStyle::CE_PushButtonBevel, option);
    // A pressed face moves by one pixel, as a pressed caption would.
    const int shift = isDown() ? 1 : 0;
    painter.drawImage((width() - picture_.width()) / 2 + shift,
                      (height() - picture_.height()) / 2 + shift, picture_);
}

void CommandButton::keyPressEvent(QKeyEvent *event)
{
    // Qt leaves Enter to dialogs' default buttons; here every button takes it.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const Qt::KeyboardModifiers held =
        event->modifiers() & ~Qt::KeyboardModifiers(Qt::KeypadModifier);
    if (enter && held == Qt::NoModifier) {
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

} // namespace forms
