// How long after the wall clock's second a window is repainted: watches the window through the
// X DAMAGE extension for a while and prints the 50th and 90th percentile of the delay, in
// milliseconds, from the start of the wall-clock second to the first rendering of each repaint.
// A repaint is a run of damage less than 50 ms apart; the X server's drawing is timed as it
// reaches this client, on the wall clock that the watched program shows.
//
// Usage: repaint_phase WINDOW-ID SECONDS   (WINDOW-ID decimal or 0x-prefixed)
// Prints "P50_MS P90_MS REPAINTS"; exit status 2 on a usage or X error or when nothing was
// repainted.

#include <poll.h>
#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <memory>
#include <vector>

namespace {

double WallSeconds() {
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

double Percentile(std::vector<double> values, double p) {
  std::sort(values.begin(), values.end());
  const auto rank =
      static_cast<std::size_t>(std::ceil(p / 100.0 * static_cast<double>(values.size())));
  return values[std::max<std::size_t>(rank, 1) - 1];
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: repaint_phase WINDOW-ID SECONDS\n");
    return 2;
  }
  errno = 0;
  char* end = nullptr;
  const unsigned long id = std::strtoul(argv[1], &end, 0);
  const double seconds = std::strtod(argv[2], nullptr);
  if (errno != 0 || end == argv[1] || *end != '\0' || id == 0 || id > 0xFFFFFFFFUL ||
      !(seconds > 0)) {
    std::fprintf(stderr, "repaint_phase: bad window id or duration\n");
    return 2;
  }
  const auto window = static_cast<xcb_window_t>(id);

  const std::unique_ptr<xcb_connection_t, decltype(&xcb_disconnect)> owner(
      xcb_connect(nullptr, nullptr), &xcb_disconnect);
  xcb_connection_t* connection = owner.get();
  if (xcb_connection_has_error(connection) != 0) {
    std::fprintf(stderr, "repaint_phase: cannot connect to the X server\n");
    return 2;
  }
  const xcb_query_extension_reply_t* extension = xcb_get_extension_data(connection, &xcb_damage_id);
  if (extension == nullptr || extension->present == 0) {
    std::fprintf(stderr, "repaint_phase: the X server has no DAMAGE extension\n");
    return 2;
  }
  // The server refuses DAMAGE requests from a client that has not agreed on a version.
  std::free(xcb_damage_query_version_reply(
      connection,
      xcb_damage_query_version(connection, XCB_DAMAGE_MAJOR_VERSION, XCB_DAMAGE_MINOR_VERSION),
      nullptr));
  // Every rectangle drawn is reported: no damage needs taking away between reports.
  const xcb_damage_damage_t damage = xcb_generate_id(connection);
  xcb_generic_error_t* error = xcb_request_check(
      connection, xcb_damage_create_checked(connection, damage, window,
                                            XCB_DAMAGE_REPORT_LEVEL_RAW_RECTANGLES));
  if (error != nullptr) {
    std::fprintf(stderr, "repaint_phase: cannot watch window 0x%lx (X error %d)\n", id,
                 error->error_code);
    std::free(error);
    return 2;
  }

  constexpr double kRepaintGap = 0.050;
  std::vector<double> phases_ms;
  double last_damage = -1;
  const double deadline = WallSeconds() + seconds;
  pollfd fd{xcb_get_file_descriptor(connection), POLLIN, 0};
  for (double now = WallSeconds(); now < deadline; now = WallSeconds()) {
    poll(&fd, 1, static_cast<int>(std::ceil((deadline - now) * 1000)));
    while (xcb_generic_event_t* event = xcb_poll_for_event(connection)) {
      const bool damaged =
          (event->response_type & 0x7F) == extension->first_event + XCB_DAMAGE_NOTIFY;
      std::free(event);
      if (!damaged) continue;
      const double at = WallSeconds();
      if (last_damage < 0 || at - last_damage > kRepaintGap) {
        phases_ms.push_back((at - std::floor(at)) * 1000);
      }
      last_damage = at;
    }
    if (xcb_connection_has_error(connection) != 0) {
      std::fprintf(stderr, "repaint_phase: lost the X server\n");
      return 2;
    }
  }
  if (phases_ms.empty()) {
    std::fprintf(stderr, "repaint_phase: window 0x%lx was not repainted\n", id);
    return 2;
  }
  std::printf("%.1f %.1f %zu\n", Percentile(phases_ms, 50), Percentile(phases_ms, 90),
              phases_ms.size());
  return 0;
}
