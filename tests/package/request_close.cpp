// Asks an X11 window to close the way a window manager does when the user clicks its close
// button: a WM_DELETE_WINDOW client message (ICCCM 4.2.8.1). A test display has no window
// manager, and every other way to end the program (signals, destroying the window, killing
// the client) is not what a user does and does not let it exit as it would for them.
//
// Usage: request_close WINDOW-ID   (decimal or 0x-prefixed, as xdotool and xwininfo print it)
// Exit status: 0 sent, 1 the window does not take WM_DELETE_WINDOW, 2 usage or X error.

#include <xcb/xcb.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string_view>

namespace {

template <class Reply>
using ReplyPtr = std::unique_ptr<Reply, decltype(&std::free)>;

xcb_atom_t Intern(xcb_connection_t* connection, std::string_view name) {
  const xcb_intern_atom_cookie_t cookie =
      xcb_intern_atom(connection, 0, static_cast<uint16_t>(name.size()), name.data());
  const ReplyPtr<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(connection, cookie, nullptr),
                                                &std::free);
  return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

// A window manager only sends WM_DELETE_WINDOW to a client that lists it; one that does
// not would be killed instead.
bool TakesDeleteWindow(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t protocols,
                       xcb_atom_t delete_window) {
  const xcb_get_property_cookie_t cookie =
      xcb_get_property(connection, 0, window, protocols, XCB_ATOM_ATOM, 0, 64);
  xcb_generic_error_t* error = nullptr;
  const ReplyPtr<xcb_get_property_reply_t> reply(xcb_get_property_reply(connection, cookie, &error),
                                                 &std::free);
  if (error != nullptr) {
    std::fprintf(stderr, "request_close: cannot read WM_PROTOCOLS of 0x%x (X error %d)\n", window,
                 error->error_code);
    std::free(error);
    std::exit(2);
  }
  if (!reply || reply->format != 32) return false;
  const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply.get()));
  const int count = xcb_get_property_value_length(reply.get()) / 4;
  for (int i = 0; i < count; ++i) {
    if (atoms[i] == delete_window) return true;
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: request_close WINDOW-ID\n");
    return 2;
  }
  char* end = nullptr;
  errno = 0;
  const unsigned long id = std::strtoul(argv[1], &end, 0);
  if (errno != 0 || end == argv[1] || *end != '\0' || id == 0 || id > 0xffffffffUL) {
    std::fprintf(stderr, "request_close: not a window id: %s\n", argv[1]);
    return 2;
  }
  const auto window = static_cast<xcb_window_t>(id);

  xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
  if (xcb_connection_has_error(connection) != 0) {
    std::fprintf(stderr, "request_close: cannot open the display\n");
    xcb_disconnect(connection);
    return 2;
  }
  const xcb_atom_t protocols = Intern(connection, "WM_PROTOCOLS");
  const xcb_atom_t delete_window = Intern(connection, "WM_DELETE_WINDOW");
  if (protocols == XCB_ATOM_NONE || delete_window == XCB_ATOM_NONE) {
    std::fprintf(stderr, "request_close: cannot intern the ICCCM atoms\n");
    xcb_disconnect(connection);
    return 2;
  }
  if (!TakesDeleteWindow(connection, window, protocols, delete_window)) {
    std::fprintf(stderr, "request_close: window 0x%x does not take WM_DELETE_WINDOW\n", window);
    xcb_disconnect(connection);
    return 1;
  }

  // xcb_send_event copies 32 bytes whatever the event's declared size.
  char buffer[32] = {};
  auto* message = reinterpret_cast<xcb_client_message_event_t*>(buffer);
  message->response_type = XCB_CLIENT_MESSAGE;
  message->format = 32;
  message->window = window;
  message->type = protocols;
  message->data.data32[0] = delete_window;
  message->data.data32[1] = XCB_CURRENT_TIME;
  const xcb_void_cookie_t sent =
      xcb_send_event_checked(connection, 0, window, XCB_EVENT_MASK_NO_EVENT, buffer);
  // Checking the request waits for the server, so the message is delivered before we leave.
  if (xcb_generic_error_t* error = xcb_request_check(connection, sent)) {
    std::fprintf(stderr, "request_close: cannot send to 0x%x (X error %d)\n", window,
                 error->error_code);
    std::free(error);
    xcb_disconnect(connection);
    return 2;
  }
  xcb_disconnect(connection);
  return 0;
}
