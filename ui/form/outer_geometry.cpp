#include "outer_geometry.h"

#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <utility>

#include "twips.h"

namespace mirt2 {

namespace {

int ClientPixels(int outer_twips, int design_frame_twips) {
  return std::max(1, TwipsToPixels(outer_twips - design_frame_twips));
}

int Remembered(const std::optional<int>& outer_twips, int design_frame_twips, int client_now) {
  if (outer_twips && ClientPixels(*outer_twips, design_frame_twips) == client_now) {
    return *outer_twips;
  }
  return PixelsToTwips(client_now) + design_frame_twips;
}

QMargins LiveFrame(const QWidget& window) {
  const QRect outer = window.frameGeometry();
  const QRect client = window.geometry();
  return {client.left() - outer.left(), client.top() - outer.top(), outer.right() - client.right(),
          outer.bottom() - client.bottom()};
}

}  // namespace

OuterGeometry::OuterGeometry(QWidget& window, FrameReader frame)
    : window_(window), frame_(std::move(frame)) {
  if (!frame_) frame_ = [this] { return LiveFrame(window_); };
}

void OuterGeometry::SetTop(int twips) {
  top_ = twips;
  pending_top_ = TwipsToPixels(twips);
  Place(*pending_top_);
}

void OuterGeometry::Place(int top_pixels) {
  placed_with_ = frame_();
  int top = top_pixels;
  if (const QScreen* screen = window_.screen()) {
    // Where the frame would end below the screen's available area, the window moves up just
    // enough, never above the area's top.
    const QRect area = screen->availableGeometry();
    const int outer_height = window_.height() + placed_with_.top() + placed_with_.bottom();
    top = std::min(top, std::max(area.top(), area.bottom() + 1 - outer_height));
  }
  known_top_ = top;
  // A window's position is that of its frame, so this places the frame's top edge.
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
  const QSize client(width_ ? ClientPixels(*width_, kDesignFrameWidth) : window_.width(),
                     height_ ? ClientPixels(*height_, kDesignFrameHeight) : window_.height());
  // The program sizes the window in every layout; the user does not.
  window_.setFixedSize(client);
  // A Top just set may come back on the screen with this size; otherwise the window stays
  // where it is, and a window that grew off the screen stays where it moved up to.
  const std::optional<int> from = pending_top_ ? pending_top_ : known_top_;
  pending_top_.reset();
  if (from) Place(*from);
}

void OuterGeometry::FrameMayHaveChanged() {
  if (!known_top_) return;
  if (frame_() == placed_with_) {
    // The same frame elsewhere: the person dragged the window, or the desktop moved it.
    const int now = window_.frameGeometry().top();
    if (now != *known_top_) {
      known_top_ = now;
      pending_top_.reset();
    }
    return;
  }
  Place(*known_top_);
}

int OuterGeometry::Top() const {
  const int top_now = window_.frameGeometry().top();
  if (top_ && TwipsToPixels(*top_) == top_now) return *top_;
  return PixelsToTwips(top_now);
}

int OuterGeometry::Width() const {
  return Remembered(width_, kDesignFrameWidth, window_.width());
}

int OuterGeometry::Height() const {
  return Remembered(height_, kDesignFrameHeight, window_.height());
}

}  // namespace mirt2
