#include <QGuiApplication>
#include <QWidget>
#include <cstdlib>
#include <cstring>

#include "ui/ActiveWindow_qt.h"

#if defined(TARNWICK_HAS_XCB)
#include <xcb/xcb.h>
#endif
#if defined(Q_OS_WIN)
#include <windows.h>
#endif

namespace {

#if defined(TARNWICK_HAS_XCB)
template <class Reply>
struct TFreed {
    Reply* reply;
    ~TFreed() { std::free(reply); }
};

// The window named by the window manager's _NET_ACTIVE_WINDOW; nothing when
// there is no manager that keeps it.
bool ActiveWindowFromManager(xcb_connection_t* connection, xcb_window_t window, xcb_window_t& active) {
    static constexpr char kName[] = "_NET_ACTIVE_WINDOW";
    const TFreed<xcb_intern_atom_reply_t> atom{xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 1, std::strlen(kName), kName), nullptr)};
    const TFreed<xcb_query_tree_reply_t> tree{
        xcb_query_tree_reply(connection, xcb_query_tree(connection, window), nullptr)};
    if (!atom.reply || atom.reply->atom == XCB_ATOM_NONE || !tree.reply) return false;
    const TFreed<xcb_get_property_reply_t> property{xcb_get_property_reply(
        connection,
        xcb_get_property(connection, 0, tree.reply->root, atom.reply->atom, XCB_ATOM_WINDOW, 0, 1), nullptr)};
    if (!property.reply || xcb_get_property_value_length(property.reply) != sizeof(xcb_window_t))
        return false;
    active = *static_cast<const xcb_window_t*>(xcb_get_property_value(property.reply));
    return true;
}
#endif

}  // namespace

bool AnotherWindowIsActive(const QWidget& window) {
#if defined(TARNWICK_HAS_XCB)
    if (auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>()) {
        xcb_window_t active = XCB_WINDOW_NONE;
        const auto ours = static_cast<xcb_window_t>(window.winId());
        if (ActiveWindowFromManager(x11->connection(), ours, active))
            return active != XCB_WINDOW_NONE && active != ours;
    }
#endif
#if defined(Q_OS_WIN)
    const HWND foreground = GetForegroundWindow();
    return foreground && foreground != reinterpret_cast<HWND>(window.winId());
#else
    (void)window;
    return true;
#endif
}
