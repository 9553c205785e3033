#include "platform/qt/frame_probe.h"

#include <xcb/xcb.h>

#include <QGuiApplication>
#include <QWidget>
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <thread>
#include <vector>

namespace {

template <class T>
using Reply = std::unique_ptr<T, decltype(&std::free)>;

xcb_atom_t Atom(xcb_connection_t* c, const char* name) {
  Reply<xcb_intern_atom_reply_t> r(
      xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, std::strlen(name), name), nullptr), &std::free);
  return r ? r->atom : xcb_atom_t{XCB_ATOM_NONE};
}

// A property of 32-bit items (CARDINAL, ATOM); empty when it is not set.
std::vector<uint32_t> Words(xcb_connection_t* c, xcb_window_t w, xcb_atom_t prop, xcb_atom_t type) {
  Reply<xcb_get_property_reply_t> r(
      xcb_get_property_reply(c, xcb_get_property(c, 0, w, prop, type, 0, 1024), nullptr), &std::free);
  if (!r || r->format != 32) return {};
  const auto* data = static_cast<const uint32_t*>(xcb_get_property_value(r.get()));
  return {data, data + xcb_get_property_value_length(r.get()) / 4};
}

}  // namespace

FrameExtents ProbeFrame(Qt::WindowFlags flags, int clientWidth, int clientHeight) {
  auto* x11 = qApp ? qApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  xcb_connection_t* c = x11 ? x11->connection() : nullptr;
  if (!c) return {};
  const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
  const xcb_atom_t request = Atom(c, "_NET_REQUEST_FRAME_EXTENTS");
  const xcb_atom_t extents = Atom(c, "_NET_FRAME_EXTENTS");
  // Without a window manager that claims the request, waiting is pointless.
  const std::vector<uint32_t> supported = Words(c, root, Atom(c, "_NET_SUPPORTED"), XCB_ATOM_ATOM);
  if (request == XCB_ATOM_NONE || std::find(supported.begin(), supported.end(), request) == supported.end())
    return {};

  // Same flags and fixed size as the form's window: a resizable one would get
  // a resize handle, and so a thicker bottom, from some managers.
  QWidget probe(nullptr, flags);
  probe.setFixedSize(clientWidth, clientHeight);
  const auto window = static_cast<xcb_window_t>(probe.winId());

  xcb_client_message_event_t ev{};
  ev.response_type = XCB_CLIENT_MESSAGE;
  ev.format = 32;
  ev.window = window;
  ev.type = request;
  xcb_send_event(c, 0, root, XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                 reinterpret_cast<const char*>(&ev));
  xcb_flush(c);

  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(200);
  do {
    const std::vector<uint32_t> e = Words(c, window, extents, XCB_ATOM_CARDINAL);
    if (e.size() == 4)
      return {static_cast<int>(e[0]), static_cast<int>(e[2]), static_cast<int>(e[1]), static_cast<int>(e[3])};
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  } while (std::chrono::steady_clock::now() < deadline);
  return {};
}
