#include "app/WindowFrame.h"

#include <QApplication>
#include <QEvent>
#include <QLayout>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <iterator>
#include <utility>

#ifdef KALMO_HAVE_XCB
#include <QGuiApplication>
#include <xcb/xcb.h>

#include <vector>
#endif

namespace {

#ifdef KALMO_HAVE_XCB
xcb_atom_t Atom(xcb_connection_t* c, const char* name) {
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        c, xcb_intern_atom(c, 0, static_cast<uint16_t>(qstrlen(name)), name), nullptr);
    xcb_atom_t atom = XCB_ATOM_NONE;
    if (reply)
        atom = reply->atom;
    free(reply);
    return atom;
}

// The name of the running window manager (_NET_SUPPORTING_WM_CHECK), or empty.
QByteArray WindowManagerName(xcb_connection_t* c, xcb_window_t root) {
    QByteArray name;
    xcb_get_property_reply_t* check = xcb_get_property_reply(
        c, xcb_get_property(c, 0, root, Atom(c, "_NET_SUPPORTING_WM_CHECK"), XCB_ATOM_WINDOW, 0, 1),
        nullptr);
    if (check && xcb_get_property_value_length(check) == 4) {
        const xcb_window_t wm = *static_cast<xcb_window_t*>(xcb_get_property_value(check));
        xcb_get_property_reply_t* reply = xcb_get_property_reply(
            c, xcb_get_property(c, 0, wm, Atom(c, "_NET_WM_NAME"), Atom(c, "UTF8_STRING"), 0, 64),
            nullptr);
        if (reply)
            name = QByteArray(static_cast<const char*>(xcb_get_property_value(reply)),
                              xcb_get_property_value_length(reply));
        free(reply);
    }
    free(check);
    return name;
}

// _NET_WM_WINDOW_TYPE: a utility window, which window managers show without
// minimise and maximise buttons; a dialog for those that know no utility
// windows. Openbox draws a minimise button on every window but menus and
// toolbars, and minimising there takes the main window along: under Openbox a
// fixed window is announced as a toolbar first.
void MarkUtility(QWidget* window) {
    auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    if (QGuiApplication::platformName() != QLatin1String("xcb") || !x11 || !x11->connection())
        return; // another platform: offscreen, Wayland
    xcb_connection_t* c = x11->connection();
    const xcb_window_t id = static_cast<xcb_window_t>(window->winId());
    static const bool openbox =
        WindowManagerName(c, xcb_setup_roots_iterator(xcb_get_setup(c)).data->root) == "Openbox";
    std::vector<xcb_atom_t> types;
    if (openbox)
        types.push_back(Atom(c, "_NET_WM_WINDOW_TYPE_TOOLBAR"));
    types.push_back(Atom(c, "_NET_WM_WINDOW_TYPE_UTILITY"));
    types.push_back(Atom(c, "_NET_WM_WINDOW_TYPE_DIALOG"));
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, id, Atom(c, "_NET_WM_WINDOW_TYPE"), XCB_ATOM_ATOM,
                        32, static_cast<uint32_t>(types.size()), types.data());
    xcb_flush(c);
}
#else
void MarkUtility(QWidget*) {}
#endif

class FixedFrames : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // A window's own show event comes before it is mapped.
        if (event->type() == QEvent::Show && watched->isWidgetType()) {
            auto* w = static_cast<QWidget*>(watched);
            if (w->isWindow() && HasDialogFrame(w)) {
                if (QLayout* layout = w->layout())
                    layout->setSizeConstraint(QLayout::SetFixedSize);
                MarkUtility(w);
            }
        }
        return false;
    }
};

} // namespace

void CenterOnScreen(QWidget* window) {
    if (const QScreen* s = window->screen()) {
        window->adjustSize();
        window->move(s->availableGeometry().center() - window->rect().center());
    }
}

QRect PlaceBeside(const QRect& beside, const QSize& size, const QSize& minimum, const QRect& area) {
    // A frame of size `s` within `room`, as near `at` as the room allows.
    const auto within = [](const QRect& room, const QSize& s, const QPoint& at) {
        return QRect(QPoint(std::clamp(at.x(), room.left(),
                                       std::max(room.left(), room.right() - s.width() + 1)),
                            std::clamp(at.y(), room.top(),
                                       std::max(room.top(), room.bottom() - s.height() + 1))),
                     s);
    };
    // The free strips of the area to the right, left, below and above the
    // window, and the corner of each where the frame would stand level with it.
    const std::pair<QRect, QPoint> strips[] = {
        {QRect(QPoint(beside.right() + 1, area.top()), area.bottomRight()),
         {beside.right() + 1, beside.top()}},
        {QRect(area.topLeft(), QPoint(beside.left() - 1, area.bottom())),
         {beside.left() - size.width(), beside.top()}},
        {QRect(QPoint(area.left(), beside.bottom() + 1), area.bottomRight()),
         {beside.left(), beside.bottom() + 1}},
        {QRect(area.topLeft(), QPoint(area.right(), beside.top() - 1)),
         {beside.left(), beside.top() - size.height()}},
    };
    const auto extent = [](const QRect& r) { return qint64(r.width()) * r.height(); };
    QRect best;
    for (const auto& [strip, at] : strips) {
        const QSize fits = size.boundedTo(strip.size());
        if (strip.isEmpty() || fits.width() < minimum.width() || fits.height() < minimum.height())
            continue;
        const QRect frame = within(strip, fits, at);
        if (extent(frame) > extent(best))
            best = frame;
    }
    if (!best.isEmpty())
        return best;

    // Nowhere beside it: at full size in the corner of the area that covers
    // least of the window (where the covered part is smallest, it is at a corner).
    const QPoint corners[] = {area.topLeft(), area.topRight(), area.bottomLeft(),
                              area.bottomRight()};
    const auto covered = [&](const QPoint& corner) {
        return extent(within(area, size, corner).intersected(beside));
    };
    return within(area, size,
                  *std::min_element(
                      std::begin(corners), std::end(corners),
                      [&](const QPoint& a, const QPoint& b) { return covered(a) < covered(b); }));
}

bool HasDialogFrame(const QWidget* window) {
    const Qt::WindowFlags flags = window->windowFlags();
    return window->windowType() == Qt::Dialog && (flags & Qt::CustomizeWindowHint) &&
           !(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
}

void InstallFixedFrames(QApplication* app) {
    app->installEventFilter(new FixedFrames(app));
}
