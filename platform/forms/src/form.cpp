#include "forms/form.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QPixmap>
#include <QScreen>
#include <QKeySequence>
#include <QMenuBar>
#include <QShortcut>
#include <QVBoxLayout>
#include <algorithm>

#include "client_area.h"
#include "drawn_button_accessible.h"
#include "forms/errors.h"
#include "forms/qt/menu_bar_over.h"
#include "qt_text.h"
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

// The client area goes first, while this is still a Form: assistive tools may
// ask it about the drawn buttons as it goes.
Form::~Form()
{
    delete client_;
}

Control *Form::client() const
{
    return client_;
}

MenuBar &Form::menuBar()
{
    if (menuBar_ == nullptr) {
        auto *bar = new QMenuBar(this);
        layout()->setMenuBar(bar);
        menuBar_ = menuBarOver(*bar);
    }
    return *menuBar_;
}

void Form::setClientSize(int width, int height)
{
    client_->resizeSurface(QSize(width, height));
}

Size Form::clientSize() const
{
    return Size{client_->width(), client_->height()};
}

void Form::setPicture(const Picture &picture)
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

void Form::setTabIndices(std::initializer_list<std::pair<int, Control *>> controls)
{
    std::vector<std::pair<int, Control *>> sorted(controls);
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const auto &a, const auto &b) { return a.first < b.first; });
    tabOrder_.clear();
    for (const auto &[index, control] : sorted) {
        // A text box takes the focus in its editor, which is what the chain links.
        QWidget *target = control->focusProxy() != nullptr ? control->focusProxy() : control;
        if (!tabOrder_.empty())
            QWidget::setTabOrder(tabOrder_.back(), target);
        tabOrder_.emplace_back(target);
    }
}

void Form::focusLowestTabIndex()
{
    for (QWidget *control : tabOrder_)
        if (control != nullptr && control->isVisibleTo(this) && control->isEnabled()) {
            control->setFocus(Qt::OtherFocusReason);
            return;
        }
}

void Form::addShortcut(const char *keys, std::function<void()> action)
{
    auto *shortcut = new QShortcut(QKeySequence(QString::fromLatin1(keys)), this);
    shortcut->setContext(Qt::WindowShortcut);
    connect(shortcut, &QShortcut::activated, this,
            [keys, action = std::move(action)] { runGuarded(keys, action); });
}

void Form::drawnButtonsChanged()
{
    client_->drawnButtonInterfaces().notifyStates();
}

Form *Form::fromHandle(HWND hwnd)
{
    const ClientArea *area = findWindow(hwnd);
    return area == nullptr ? nullptr : area->form();
}

void Form::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    const bool loading = !loaded_;
    load();
    if (loading)
        focusLowestTabIndex();
}

void Form::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    if (!event->isAccepted())
        return;
    loaded_ = false;
    runGuarded("Form_Unload", [this] { Form_Unload(); });
}

void Form::setCaption(TextView caption) { setWindowTitle(toQString(caption)); }

void Form::setIconFile(TextView pngFile)
{
    // Read as PNG outright, not through the icon engines, which look for
    // plugins first and cost the start a library load.
    setWindowIcon(QIcon(QPixmap::fromImage(QImage(toQString(pngFile), "PNG"))));
}

void Form::centreOnScreen()
{
    adjustSize();
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

void Form::bringToFront()
{
    raise();
    activateWindow();
}

void Form::setDestroyOnClose() { setAttribute(Qt::WA_DeleteOnClose); }

} // namespace forms
