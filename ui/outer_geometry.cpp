#include "outer_geometry.h"

#include <QScreen>
#include <QWidget>
#include <algorithm>

#include "twips.h"

namespace mirt2 {

namespace {

int Remembered(const std::optional<int>& twips, int pixels_now) {
  if (twips && TwipsToPixels(*twips) == pixels_now) return *twips;
  return PixelsToTwips(pixels_now);
}

}  // namespace

QMargins OuterGeometry::NonClient() const {
  const QRect outer = window_.frameGeometry();
  const QRect client = window_.geometry();
  return {client.left() - outer.left(), client.top() - outer.top(), outer.right() - client.right(),
          outer.bottom() - client.bottom()};
}

void OuterGeometry::SetTop(int twips) {
  top_ = twips;
  PlaceTop(false);
}

void OuterGeometry::PlaceTop(bool keep_moved) {
  if (!top_) return;
  // A window's position is that of its frame, so this places the frame's top edge.
  const int wanted = TwipsToPixels(*top_);
  int top = wanted;
  if (const QScreen* screen = window_.screen()) {
    // Where the frame would end below the screen's available area, the window moves up just
    // enough, never above the area's top.
    const QRect area = screen->availableGeometry();
    const int outer_height = height_ ? TwipsToPixels(*height_) : window_.frameGeometry().height();
    top = std::min(top, std::max(area.top(), area.bottom() + 1 - outer_height));
    // A window that grew off the screen stays where it moved to; a Top that the next height
    // may yet bring back on the screen is kept until then.
    if (keep_moved && top < wanted) top_ = PixelsToTwips(top);
  }
  window_.move(window_.x(), top);
}

void OuterGeometry::SetWidth(int twips) {
  width_ = twips;
  ApplySize();
}

void OuterGeometry::SetHeight(int twips) {
  height_ = twips;
  ApplySize();
}

void OuterGeometry::ApplySize() {
  const QMargins frame = NonClient();
  applied_non_client_ = frame;
  const QSize client(
      width_ ? TwipsToPixels(*width_) - frame.left() - frame.right() : window_.width(),
      height_ ? TwipsToPixels(*height_) - frame.top() - frame.bottom() : window_.height());
  applying_ = true;
  // The program sizes the window in every layout; the user does not.
  window_.setFixedSize(client.expandedTo(QSize(1, 1)));
  applying_ = false;
  PlaceTop(true);
}

void OuterGeometry::FrameMayHaveChanged() {
  if (applying_ || NonClient() == applied_non_client_) return;
  ApplySize();
}

int OuterGeometry::Top() const {
  return Remembered(top_, window_.frameGeometry().top());
}

int OuterGeometry::Width() const {
  return Remembered(width_, window_.frameGeometry().width());
}

int OuterGeometry::Height() const {
  return Remembered(height_, window_.frameGeometry().height());
}

}  // namespace mirt2
