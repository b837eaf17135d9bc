#include "outer_geometry.h"

#include <QWidget>

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
  // A window's position is that of its frame, so this places the frame's top edge.
  window_.move(window_.x(), TwipsToPixels(twips));
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
}

void OuterGeometry::FrameMayHaveChanged() {
  if (applying_ || NonClient() == applied_non_client_) return;
  ApplySize();
  if (top_) window_.move(window_.x(), TwipsToPixels(*top_));
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
