#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>

#include "window_manager.h"

namespace mirt2 {

namespace {

template <class Reply>
using Owned = std::unique_ptr<Reply, decltype(&std::free)>;

template <class Reply>
Owned<Reply> Own(Reply* reply) {
  return {reply, &std::free};
}

// XCB_ATOM_NONE where no client has named it: then nobody supports it.
xcb_atom_t Atom(xcb_connection_t* connection, const char* name) {
  const auto reply = Own(xcb_intern_atom_reply(
      connection,
      xcb_intern_atom(connection, 1, static_cast<std::uint16_t>(std::strlen(name)), name),
      nullptr));
  return reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
}

// A property of type WINDOW, as _NET_SUPPORTING_WM_CHECK is.
std::optional<xcb_window_t> WindowProperty(xcb_connection_t* connection, xcb_window_t window,
                                           xcb_atom_t property) {
  const auto reply = Own(xcb_get_property_reply(
      connection, xcb_get_property(connection, 0, window, property, XCB_ATOM_WINDOW, 0, 1),
      nullptr));
  if (!reply || reply->type != XCB_ATOM_WINDOW || reply->format != 32 ||
      xcb_get_property_value_length(reply.get()) != 4) {
    return std::nullopt;
  }
  xcb_window_t named = 0;
  std::memcpy(&named, xcb_get_property_value(reply.get()), sizeof named);
  return named;
}

}  // namespace

bool KeepsWindowsAbove(xcb_connection_t* connection, std::uint32_t window) {
  if (connection == nullptr || xcb_connection_has_error(connection) != 0) return false;
  const auto tree =
      Own(xcb_query_tree_reply(connection, xcb_query_tree(connection, window), nullptr));
  if (!tree) return false;
  const xcb_window_t root = tree->root;
  const xcb_atom_t check = Atom(connection, "_NET_SUPPORTING_WM_CHECK");
  const xcb_atom_t supported = Atom(connection, "_NET_SUPPORTED");
  const xcb_atom_t above = Atom(connection, "_NET_WM_STATE_ABOVE");
  if (check == XCB_ATOM_NONE || supported == XCB_ATOM_NONE || above == XCB_ATOM_NONE) return false;
  const std::optional<xcb_window_t> manager = WindowProperty(connection, root, check);
  if (!manager || WindowProperty(connection, *manager, check) != manager) return false;
  // Window managers list a few dozen; more than a thousand would be no list.
  constexpr std::uint32_t kMostAtoms = 1024;
  const auto list = Own(xcb_get_property_reply(
      connection, xcb_get_property(connection, 0, root, supported, XCB_ATOM_ATOM, 0, kMostAtoms),
      nullptr));
  if (!list || list->type != XCB_ATOM_ATOM || list->format != 32) return false;
  const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(list.get()));
  const int count = xcb_get_property_value_length(list.get()) / 4;
  for (int n = 0; n < count; ++n) {
    if (atoms[n] == above) return true;
  }
  return false;
}

}  // namespace mirt2
