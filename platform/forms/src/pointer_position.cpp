#include "pointer_position.h"

#include <QCursor>
#include <QGuiApplication>
#include <X11/Xlib.h>
#include <cstdlib>
#include <memory>
#include <optional>
#include <xcb/xcb.h>

namespace forms {
namespace {

// Qt's display, as Qt opened it (a -display argument included); null when Qt
// is not on X or keeps no Xlib display.
const char *qtDisplayName()
{
    const auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    Display *display = x11 != nullptr ? x11->display() : nullptr;
    return display != nullptr ? DisplayString(display) : nullptr;
}

// A connection to Qt's display used for nothing but pointer queries, opened
// at the first query.
class PointerConnection {
public:
    PointerConnection()
    {
        const char *name = qtDisplayName();
        if (name == nullptr)
            return;
        int screenNumber = 0;
        connection_.reset(xcb_connect(name, &screenNumber));
        // A failed connection has no setup to read.
        if (xcb_connection_has_error(connection_.get()) != 0)
            return;
        xcb_screen_iterator_t screen = xcb_setup_roots_iterator(xcb_get_setup(connection_.get()));
        for (; screen.rem > 0 && screenNumber > 0; --screenNumber)
            xcb_screen_next(&screen);
        if (screen.rem > 0)
            root_ = screen.data->root;
    }

    // Root-window pixels, as Qt reports them; nothing if the connection
    // failed or broke.
    std::optional<QPoint> query()
    {
        if (root_ == XCB_NONE)
            return std::nullopt;
        xcb_query_pointer_reply_t *reply = xcb_query_pointer_reply(
            connection_.get(), xcb_query_pointer(connection_.get(), root_), nullptr);
        if (reply == nullptr)
            return std::nullopt;
        const QPoint position(reply->root_x, reply->root_y);
        std::free(reply);
        return position;
    }

private:
    struct Disconnect {
        void operator()(xcb_connection_t *connection) const { xcb_disconnect(connection); }
    };
    std::unique_ptr<xcb_connection_t, Disconnect> connection_;
    xcb_window_t root_ = XCB_NONE;
};

// Only at scale 1 are the server's pixels the ones Qt's geometry counts.
bool serverPixelsAreQtPixels()
{
    static const bool onX = QGuiApplication::platformName() == QLatin1String("xcb");
    return onX && qGuiApp->devicePixelRatio() == 1.0;
}

} // namespace

QPoint pointerPosition()
{
    if (serverPixelsAreQtPixels()) {
        static PointerConnection connection;
        if (const std::optional<QPoint> position = connection.query())
            return *position;
    }
    return QCursor::pos();
}

} // namespace forms
