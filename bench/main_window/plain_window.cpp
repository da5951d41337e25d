#include "plain_window.h"

#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "forms/qt/menu_bar_over.h"
#include "main_menu.h"

namespace {

void addClippedButton(QWidget *parent, QRect frame, QRect button)
{
    auto *container = new QWidget(parent);
    container->setGeometry(frame);
    (new QPushButton(container))->setGeometry(button);
}

// The same faces as the main window's, through Qt alone.
QFont faceOf(double points, bool bold)
{
    QFont face(QStringLiteral("Verdana"));
    face.setStyleHint(QFont::SansSerif);
    face.setPointSizeF(points);
    face.setBold(bold);
    return face;
}

} // namespace

PlainWindow::PlainWindow()
{
    setFont(faceOf(9.75, true));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *bar = new QMenuBar(this);
    layout->setMenuBar(bar);
    menuBar_ = forms::menuBarOver(*bar);
    buildMainMenu(*menuBar_);
    auto *client = new QWidget(this);
    client->setFixedSize(460, 294);
    layout->addWidget(client);
    (new QTimer(this))->start(200);
    addClippedButton(client, QRect(147, 181, 168, 31), QRect(-3, 0, 173, 38));
    addClippedButton(client, QRect(147, 240, 168, 31), QRect(-3, 0, 173, 38));
    auto *numberBox = new QLineEdit(client);
    numberBox->setGeometry(173, 213, 116, 26);
    numberBox->setFont(faceOf(14.25, false));
    addClippedButton(client, QRect(290, 213, 25, 26), QRect(-8, 0, 41, 33));
    addClippedButton(client, QRect(147, 213, 25, 26), QRect(-8, 0, 41, 33));
    (new QPlainTextEdit(client))->setGeometry(72, 56, 305, 113);
}

void PlainWindow::paintEvent(QPaintEvent *)
{
    QPainter(this).fillRect(rect(), Qt::darkBlue);
    painted_ = true;
}
