#pragma once

#include <QMargins>
#include <functional>
#include <optional>

class QWidget;

namespace mirt2 {

// The design's Width and Height are outer sizes, title bar included, measured on the Windows it
// was drawn on, whose frame took 90 twips across and 420 down. The layouts themselves show it:
// their panels keep 30 twips from the left edge, so 30 from the right one makes a client 2810
// wide (2900 - 90), where the 2800-wide control panel fits; the control panel ends at 1480 in
// the one-panel layout (1900 - 420) and at 3510 in the five-panel one (3930 - 420), and the
// options panel, placed at Height - 920 and 492 high, ends 8 twips above Height - 420.
inline constexpr int kDesignFrameWidth = 90;
inline constexpr int kDesignFrameHeight = 420;

// The window's Top, Width and Height in twips, as the design gives them: Top places the outer
// frame's top edge on the screen; Width and Height are the design's outer sizes, of which the
// window takes the client area the design meant and lets the platform add its own frame, of
// whatever size, outside it. So no frame cuts the content or leaves a band beside it, and a frame
// reported late or wrongly never changes the window's size.
//
// Reading gives the size in force: the exact twips last written while the client area still has
// the pixel size they gave, so that adding and removing 430 twips returns to the same value;
// where the platform gave another size, that size plus the design's frame.
//
// Only Top places the window. A change of size or of the platform's frame keeps the window where
// it is now, wherever the person or the desktop moved it; only a Top just set and not yet
// followed by a size is taken from what was set, so that a layout's Top and Height together
// decide where the window goes.
//
// The window stays on its screen: where its frame's bottom edge would end below the screen's
// available area, the window moves up just enough, and Top reads where it then is.
class OuterGeometry {
 public:
  // The platform's frame around the window's client area as it reports it now (nothing under
  // the offscreen platform, nothing on X11 until the window manager has framed it).
  using FrameReader = std::function<QMargins()>;

  // frame: how the platform's frame is read; by default from the live window.
  explicit OuterGeometry(QWidget& window, FrameReader frame = {});

  void SetTop(int twips);
  void SetWidth(int twips);
  void SetHeight(int twips);
  [[nodiscard]] int Top() const;
  [[nodiscard]] int Width() const;
  [[nodiscard]] int Height() const;

  // Called when the window moves, resizes or is framed: a move under an unchanged frame is
  // someone else's and is kept; a frame that became known or grew may now reach below the
  // screen.
  void FrameMayHaveChanged();

 private:
  void ApplySize();
  // Places the frame's top edge at top_pixels, or as near as the screen allows.
  void Place(int top_pixels);

  QWidget& window_;
  FrameReader frame_;
  // The Top last set, in twips: Top reads it back while the window is still there.
  std::optional<int> top_;
  // A Top set whose place the next size is still to decide, in pixels.
  std::optional<int> pending_top_;
  // Where the frame's top edge is, in pixels, as last placed or seen under the frame it had.
  std::optional<int> known_top_;
  std::optional<int> width_;
  std::optional<int> height_;
  QMargins placed_with_;
};

}  // namespace mirt2
