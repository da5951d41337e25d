// The client area of a form: a 32-bit surface that is the window's device
// context, painted in cycles and presented as it changes.
#ifndef PELLORY_FORMS_CLIENT_AREA_H
#define PELLORY_FORMS_CLIENT_AREA_H

#include <QImage>
#include <QWidget>
#include <cstdint>
#include <memory>

#include "windows.h"

namespace forms {

class DrawnButtonInterfaces;
class Form;

class ClientArea : public QWidget {
    Q_OBJECT
public:
    explicit ClientArea(Form *form);
    ~ClientArea() override;

    HDC hdc() const { return hdc_; }
    HWND hwnd() const { return hwnd_; }
    Form *form() const { return form_; }

    void resizeSurface(QSize size);
    QRect surfaceRect() const { return QRect(QPoint(0, 0), size_); }
    void setPicture(const QImage &picture);
    // A paint cycle is due; `area` is presented with it.
    void invalidate(const QRect &area);
    // Runs a paint cycle and presents the whole area before returning.
    void paintNow();
    QImage snapshot() const;

    DrawnButtonInterfaces &drawnButtonInterfaces() const { return *drawnButtons_; }

protected:
    // Tooltips of the drawn buttons.
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    static void surfaceChanged(void *context, const RECT *area);
    // A QImage over the surface's pixels; never stored, so never shared or detached.
    QImage surfaceView() const;
    void runPaintCycle(const QRegion &presented);
    void drawBackground();

    // The surface's pages, released with VirtualFree.
    struct ReleasePages {
        void operator()(std::uint32_t *pixels) const;
    };
    using SurfacePixels = std::unique_ptr<std::uint32_t[], ReleasePages>;
    static SurfacePixels allocateSurface(std::size_t pixelCount);

    Form *form_;
    HWND hwnd_;
    HDC hdc_ = nullptr;
    QSize size_;
    SurfacePixels pixels_;
    QImage picture_;
    bool cyclePending_ = true;
    bool inCycle_ = false;
    std::unique_ptr<DrawnButtonInterfaces> drawnButtons_;
};

} // namespace forms

#endif
