// Prints where mirt2's window lies, as Windows sees it, in pixels of the
// desktop: "CLIENT_LEFT CLIENT_TOP CLIENT_WIDTH CLIENT_HEIGHT WINDOW_LEFT
// WINDOW_TOP WINDOW_WIDTH WINDOW_HEIGHT", the window's rectangle including the
// title bar and borders drawn for it. Exits 1 while there is no such window.
#include <windows.h>

#include <cstdio>

int main() {
  const HWND window = FindWindowW(nullptr, L"\u30DF\u30EB\u30C6\u30B9-\uFF12");  // ミルテス-２
  if (window == nullptr || !IsWindowVisible(window)) return 1;
  RECT client{};
  RECT outer{};
  POINT origin{0, 0};
  if (!GetClientRect(window, &client) || !ClientToScreen(window, &origin) ||
      !GetWindowRect(window, &outer)) {
    return 2;
  }
  std::printf("%ld %ld %ld %ld %ld %ld %ld %ld\n", origin.x, origin.y, client.right, client.bottom,
              outer.left, outer.top, outer.right - outer.left, outer.bottom - outer.top);
  return 0;
}
