#pragma once

#include <QMargins>
#include <optional>

class QWidget;

namespace mirt2 {

// The window's Top, Width and Height in twips are those of its outer frame,
// title bar included, as on Windows: the client area is the outer size less the
// non-client size that the platform reports for the live window (none under the
// offscreen platform, and none on X11 until the window manager has framed it).
//
// Reading gives the size in force: the exact twips last written while the
// window still has the pixel size they gave, so that adding and removing 430
// twips returns to the same value; where the platform gave another size, that.
//
// The window stays on its screen: where a Top and Height would put the frame's bottom edge
// below the screen's available area, the window moves up just enough, and Top reads where it
// then is.
class OuterGeometry {
 public:
  explicit OuterGeometry(QWidget& window) : window_(window) {}

  void SetTop(int twips);
  void SetWidth(int twips);
  void SetHeight(int twips);
  [[nodiscard]] int Top() const;
  [[nodiscard]] int Width() const;
  [[nodiscard]] int Height() const;

  // Called when the window moves, resizes or is framed: a frame that became
  // known or changed takes its size from the client area again.
  void FrameMayHaveChanged();

 private:
  [[nodiscard]] QMargins NonClient() const;
  void ApplySize();
  void PlaceTop(bool keep_moved);

  QWidget& window_;
  std::optional<int> top_;
  std::optional<int> width_;
  std::optional<int> height_;
  QMargins applied_non_client_;
  bool applying_ = false;
};

}  // namespace mirt2
