#include "device_pixels.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace mirt2 {

DevicePixels::DevicePixels(QPainter& painter)
    : painter_(painter),
      to_device_(painter.deviceTransform()),
      line_(std::max(1, static_cast<int>(std::floor(to_device_.m11() + 0.25)))) {
  painter_.save();
  // The world transform comes first: undoing the whole device transform there leaves the
  // painter drawing in device pixels.
  painter_.setWorldTransform(to_device_.inverted() * painter_.worldTransform());
}

DevicePixels::~DevicePixels() {
  painter_.restore();
}

QRect DevicePixels::Rect(const QRect& logical) const {
  const QRectF device = to_device_.mapRect(QRectF(logical));
  const QPoint top_left(static_cast<int>(std::lround(device.left())),
                        static_cast<int>(std::lround(device.top())));
  const QPoint bottom_right(static_cast<int>(std::lround(device.right())),
                            static_cast<int>(std::lround(device.bottom())));
  return {top_left, bottom_right - QPoint(1, 1)};
}

QRectF DevicePixels::Logical(const QRect& device) const {
  return to_device_.inverted().mapRect(QRectF(device));
}

void DevicePixels::Fill(const QRect& device, const QColor& colour) {
  painter_.fillRect(device, colour);
}

void DevicePixels::FillRing(const QRect& device, int width, const QColor& colour) {
  const int w = std::min({width, device.width(), device.height()});
  painter_.fillRect(QRect(device.left(), device.top(), device.width(), w), colour);
  painter_.fillRect(QRect(device.left(), device.bottom() - w + 1, device.width(), w), colour);
  painter_.fillRect(QRect(device.left(), device.top(), w, device.height()), colour);
  painter_.fillRect(QRect(device.right() - w + 1, device.top(), w, device.height()), colour);
}

}  // namespace mirt2
