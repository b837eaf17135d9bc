#pragma once

#include <QColor>
#include <QRect>
#include <QTransform>

class QPainter;

namespace mirt2 {

// Drawing in whole device pixels. At a scale of 1.25 or 1.5 a widget's edges fall between
// device pixels, and lines drawn in logical pixels come out one or two pixels wide, or not at
// all where they meet the widget's clip. While a DevicePixels lives, the painter draws in the
// device's own pixels, and Rect() gives the pixels that Qt gives the widget.
class DevicePixels {
 public:
  explicit DevicePixels(QPainter& painter);
  ~DevicePixels();
  DevicePixels(const DevicePixels&) = delete;
  DevicePixels& operator=(const DevicePixels&) = delete;

  // The device pixels of a logical rectangle: each edge at the nearest pixel boundary.
  [[nodiscard]] QRect Rect(const QRect& logical) const;
  // The logical rectangle over some device pixels.
  [[nodiscard]] QRectF Logical(const QRect& device) const;
  // A line one logical pixel wide, in whole device pixels: 1 up to a scale of 1.5, 2 from 1.75.
  [[nodiscard]] int Line() const { return line_; }

  void Fill(const QRect& device, const QColor& colour);
  // A ring `width` pixels wide just inside `device`.
  void FillRing(const QRect& device, int width, const QColor& colour);

 private:
  QPainter& painter_;
  QTransform to_device_;
  int line_;
};

}  // namespace mirt2
