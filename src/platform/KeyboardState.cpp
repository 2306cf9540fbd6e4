#include "KeyboardState.h"

#include <QGuiApplication>

#include <cstdlib>

#if QT_CONFIG(xcb)
#include <xcb/xcb.h>
// The keyboard extension's header names a member "explicit".
#define explicit explicit_
#include <xcb/xkb.h>
#undef explicit
#endif

namespace platform {

namespace {

#if QT_CONFIG(xcb)
// The program's own connection to the X server, where it runs on one: the
// flags below belong to the connection that asks for them.
xcb_connection_t* x11Connection()
{
    auto* app = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t* c = app ? app->connection() : nullptr;
    return c && !xcb_connection_has_error(c) ? c : nullptr;
}
#endif

} // namespace

bool requestDetectableAutoRepeat()
{
#if QT_CONFIG(xcb)
    xcb_connection_t* c = x11Connection();
    if (!c)
        return false;
    const xcb_query_extension_reply_t* ext = xcb_get_extension_data(c, &xcb_xkb_id);
    if (!ext || !ext->present)
        return false;
    // Qt has taken the extension into use on this connection already; asking
    // again is harmless and makes the flag request valid on its own.
    xcb_xkb_use_extension_reply_t* use = xcb_xkb_use_extension_reply(
        c, xcb_xkb_use_extension(c, XCB_XKB_MAJOR_VERSION, XCB_XKB_MINOR_VERSION), nullptr);
    const bool usable = use && use->supported;
    free(use);
    if (!usable)
        return false;
    constexpr uint32_t flag = XCB_XKB_PER_CLIENT_FLAG_DETECTABLE_AUTO_REPEAT;
    xcb_xkb_per_client_flags_reply_t* reply = xcb_xkb_per_client_flags_reply(
        c, xcb_xkb_per_client_flags(c, XCB_XKB_ID_USE_CORE_KBD, flag, flag, 0, 0, 0), nullptr);
    const bool granted = reply && (reply->supported & flag) && (reply->value & flag);
    free(reply);
    return granted;
#else
    return false;
#endif
}

std::optional<bool> isKeyDown(quint32 nativeScanCode)
{
#if QT_CONFIG(xcb)
    xcb_connection_t* c = x11Connection();
    if (!c || nativeScanCode == 0 || nativeScanCode > 255)
        return std::nullopt;
    xcb_query_keymap_reply_t* reply = xcb_query_keymap_reply(c, xcb_query_keymap(c), nullptr);
    if (!reply)
        return std::nullopt;
    const bool down = reply->keys[nativeScanCode / 8] & (1u << (nativeScanCode % 8));
    free(reply);
    return down;
#else
    Q_UNUSED(nativeScanCode);
    return std::nullopt;
#endif
}

} // namespace platform
