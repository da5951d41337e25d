#include "client_area.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QToolTip>
#include <new>
#include <utility>

#include "drawn_button_accessible.h"
#include "forms/errors.h"
#include "forms/form.h"
#include "system_services.h"
#include "window_registry.h"
#include "qt_text.h"
#include "qt_values.h"

namespace forms {
namespace {

// Large enough for any window, small enough that width * height * 4 stays far from overflow.
constexpr int MaxSurfaceSide = 16384;

// Qt's flags as the event procedures' bit masks.
template <typename Flags, typename Flag, std::size_t N>
std::int16_t stateBits(Flags flags, const std::pair<Flag, std::int16_t> (&table)[N])
{
    std::int16_t state = 0;
    for (const auto &[flag, bit] : table)
        if (flags.testFlag(flag))
            state |= bit;
    return state;
}

std::int16_t buttonState(Qt::MouseButtons buttons)
{
    static constexpr std::pair<Qt::MouseButton, std::int16_t> table[] = {
        {Qt::LeftButton, Form::LeftButton},
        {Qt::RightButton, Form::RightButton},
        {Qt::MiddleButton, Form::MiddleButton}};
    return stateBits(buttons, table);
}

std::int16_t shiftState(Qt::KeyboardModifiers modifiers)
{
    static constexpr std::pair<Qt::KeyboardModifier, std::int16_t> table[] = {
        {Qt::ShiftModifier, Form::ShiftMask},
        {Qt::ControlModifier, Form::CtrlMask},
        {Qt::AltModifier, Form::AltMask}};
    return stateBits(modifiers, table);
}

QRect toQRect(const RECT &area)
{
    return QRect(QPoint(area.left, area.top), QPoint(area.right - 1, area.bottom - 1));
}

} // namespace

ClientArea::ClientArea(Form *form)
    : QWidget(form), form_(form), hwnd_(registerWindow(this)),
      drawnButtons_(std::make_unique<DrawnButtonInterfaces>(this))
{
    installFormsAccessibility();
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    resizeSurface(QSize(1, 1));
}

ClientArea::~ClientArea()
{
    if (hdc_ != nullptr)
        DeleteDC(hdc_);
    unregisterWindow(hwnd_);
}

QImage ClientArea::surfaceView() const
{
    return QImage(reinterpret_cast<uchar *>(pixels_.get()), size_.width(), size_.height(),
                  size_.width() * 4, QImage::Format_RGB32);
}

QImage ClientArea::snapshot() const
{
    return surfaceView().copy();
}

void ClientArea::resizeSurface(QSize size)
{
    size = size.expandedTo(QSize(1, 1)).boundedTo(QSize(MaxSurfaceSide, MaxSurfaceSide));
    const auto pixelCount = static_cast<std::size_t>(size.width()) * size.height();
    SurfacePixels pixels = allocateSurface(pixelCount);
    QImage resized(reinterpret_cast<uchar *>(pixels.get()), size.width(), size.height(),
                   size.width() * 4, QImage::Format_RGB32);
    resized.fill(form_->palette().color(QPalette::Window));
    if (pixels_ != nullptr) {
        QPainter painter(&resized);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(0, 0, surfaceView());
    }
    pixels_ = std::move(pixels);
    size_ = size;
    auto *bytes = reinterpret_cast<BYTE *>(pixels_.get());
    if (hdc_ == nullptr)
        hdc_ = SysCreateWindowDC(hwnd_, bytes, size.width(), size.height(), size.width() * 4,
                                 &ClientArea::surfaceChanged, this);
    else
        SysRebindWindowDC(hdc_, bytes, size.width(), size.height(), size.width() * 4);
    setFixedSize(size);
    invalidate(surfaceRect());
}

// Committed pages: written in full right below, they come present in one
// call rather than a page fault each, and a child process started while the
// window lives (the D-Bus launcher, a helper program) does not make them
// copy-on-write.
ClientArea::SurfacePixels ClientArea::allocateSurface(std::size_t pixelCount)
{
    void *pages = VirtualAlloc(nullptr, pixelCount * sizeof(std::uint32_t), MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    if (pages == nullptr)
        throw std::bad_alloc();
    return SurfacePixels(static_cast<std::uint32_t *>(pages));
}

void ClientArea::ReleasePages::operator()(std::uint32_t *pixels) const { VirtualFree(pixels, 0, MEM_RELEASE); }

void ClientArea::setPicture(const QImage &picture)
{
    picture_ = picture.convertToFormat(QImage::Format_RGB32);
    invalidate(surfaceRect());
}

void ClientArea::invalidate(const QRect &area)
{
    const QRect clipped = area & surfaceRect();
    if (clipped.isEmpty())
        return;
    cyclePending_ = true;
    update(clipped);
}

void ClientArea::paintNow()
{
    cyclePending_ = true;
    repaint();
}

void ClientArea::surfaceChanged(void *context, const RECT *area)
{
    auto *self = static_cast<ClientArea *>(context);
    // A paint cycle presents everything it drew when it ends.
    if (self->inCycle_ || area == nullptr)
        return;
    self->update(toQRect(*area));
}

void ClientArea::drawBackground()
{
    QImage view = surfaceView();
    QPainter painter(&view);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(view.rect(), form_->palette().color(QPalette::Window));
    if (!picture_.isNull())
        painter.drawImage(0, 0, picture_);
}

void ClientArea::runPaintCycle(const QRegion &presented)
{
    cyclePending_ = false;
    inCycle_ = true;
    drawBackground();
    runGuarded("Form_Paint", [this] { form_->Form_Paint(); });
    inCycle_ = false;
    const QRegion rest = QRegion(surfaceRect()) - presented;
    if (!rest.isEmpty())
        update(rest);
}

void ClientArea::paintEvent(QPaintEvent *event)
{
    if (cyclePending_)
        runPaintCycle(event->region());
    QPainter painter(this);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    const QImage view = surfaceView();
    for (const QRect &area : event->region())
        painter.drawImage(area.topLeft(), view, area);
}

bool ClientArea::event(QEvent *event)
{
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    const auto *help = static_cast<QHelpEvent *>(event);
    for (int k = 0; k < form_->drawnButtonCount(); ++k) {
        const DrawnButton button = form_->drawnButton(k);
        const QRect box = toQRect(button.box);
        if (box.contains(help->pos())) {
            QToolTip::showText(help->globalPos(), toQString(button.name), this, box);
            return true;
        }
    }
    QToolTip::hideText();
    event->ignore();
    return true;
}

void ClientArea::mousePressEvent(QMouseEvent *event)
{
    // Accepted, so that the release comes back here.
    event->accept();
}

void ClientArea::mouseMoveEvent(QMouseEvent *event)
{
    runGuarded("Form_MouseMove", [this, event] {
        form_->Form_MouseMove(buttonState(event->buttons()), shiftState(event->modifiers()),
                              static_cast<float>(event->position().x()),
                              static_cast<float>(event->position().y()));
    });
}

void ClientArea::mouseReleaseEvent(QMouseEvent *event)
{
    runGuarded("Form_MouseUp", [this, event] {
        form_->Form_MouseUp(buttonState(event->button()), shiftState(event->modifiers()),
                            static_cast<float>(event->position().x()),
                            static_cast<float>(event->position().y()));
    });
}

void ClientArea::leaveEvent(QEvent *)
{
    runGuarded("Form_MouseLeave", [this] { form_->Form_MouseLeave(); });
}

} // namespace forms
