// A push button that can show a face picture instead of a caption.
#ifndef PELLORY_FORMS_COMMAND_BUTTON_H
#define PELLORY_FORMS_COMMAND_BUTTON_H

#include <QImage>
#include <QPushButton>

namespace forms {

// A command button. With a face picture set, the picture is drawn at its own
// size, centred on the button face, and the caption is not shown. Its click
// event is QPushButton::clicked; Enter and Space click a focused button. Put
// it in a Frame at a negative offset to cut off its edges.
class CommandButton : public QPushButton {
    Q_OBJECT
public:
    explicit CommandButton(QWidget *parent = nullptr);
    explicit CommandButton(const QString &caption, QWidget *parent = nullptr);

    void setPicture(const QImage &picture);
    const QImage &picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QImage picture_;
};

} // namespace forms

#endif
