#include "forms/form.h"

#include <QCloseEvent>
#include <QMenuBar>
#include <QVBoxLayout>

#include "client_area.h"
#include "forms/errors.h"
#include "window_registry.h"

namespace forms {

Form::Form(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      client_(new ClientArea(this))
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(client_);
}

Form::~Form() = default;

QWidget *Form::client() const
{
    return client_;
}

QMenuBar *Form::menuBar()
{
    if (menuBar_ == nullptr) {
        menuBar_ = new QMenuBar(this);
        layout()->setMenuBar(menuBar_);
    }
    return menuBar_;
}

void Form::setClientSize(int width, int height)
{
    client_->resizeSurface(QSize(width, height));
}

QSize Form::clientSize() const
{
    return client_->size();
}

void Form::setPicture(const QImage &picture)
{
    client_->setPicture(picture);
}

HDC Form::hDC() const
{
    return client_->hdc();
}

HWND Form::hWnd() const
{
    return client_->hwnd();
}

void Form::load()
{
    if (loaded_)
        return;
    loaded_ = true;
    runGuarded("Form_Load", [this] { Form_Load(); });
}

void Form::refresh()
{
    client_->paintNow();
}

QImage Form::surfaceSnapshot() const
{
    return client_->snapshot();
}

Form *Form::fromHandle(HWND hwnd)
{
    const ClientArea *area = findWindow(hwnd);
    return area == nullptr ? nullptr : area->form();
}

void Form::Form_MouseMove(std::int16_t, std::int16_t, float, float) {}

void Form::Form_MouseUp(std::int16_t, std::int16_t, float, float) {}

void Form::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    load();
}

void Form::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    if (event->isAccepted())
        loaded_ = false;
}

} // namespace forms
