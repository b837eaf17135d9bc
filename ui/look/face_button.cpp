#include "face_button.h"

#include <QPainter>

#include "device_pixels.h"
#include "focus_mark.h"

namespace mirt2 {

FaceButton::FaceButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {
  // Enter on a focused button presses it, as it does on Windows; outside a
  // dialog Qt only does that for auto-default buttons.
  setAutoDefault(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void FaceButton::SetFace(const QColor& face) {
  if (face == face_) return;
  face_ = face;
  update();
}

void FaceButton::SetWindowDefault(bool is_default) {
  window_default_ = is_default;
  update();
}

void FaceButton::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  const bool sunken = isDown();
  QRectF caption_area;
  {
    // Edges in whole device pixels, so that at 1.25 or 1.5 no edge is lost and no face colour
    // shows outside the bevel.
    DevicePixels device(painter);
    const int line = device.Line();
    QRect face = device.Rect(rect());
    if (window_default_) {
      device.FillRing(face, line, Qt::black);
      face.adjust(line, line, -line, -line);
    }
    device.Fill(face, face_);
    const QColor light = Qt::white;
    const QColor dark(0x80, 0x80, 0x80);
    const QColor& top_left = sunken ? dark : light;
    const QColor& bottom_right = sunken ? light : dark;
    device.Fill(QRect(face.left(), face.top(), face.width() - line, line), top_left);
    device.Fill(QRect(face.left(), face.top(), line, face.height() - line), top_left);
    device.Fill(QRect(face.left(), face.bottom() - line + 1, face.width(), line), bottom_right);
    device.Fill(QRect(face.right() - line + 1, face.top(), line, face.height()), bottom_right);
    // The focus mark inside the bevel, a line of face colour between them.
    if (hasFocus()) {
      device.FillRing(face.adjusted(2 * line, 2 * line, -2 * line, -2 * line), line,
                      FocusMarkColour(face_));
    }
    caption_area = device.Logical(face);
  }

  painter.setPen(palette().color(QPalette::ButtonText));
  painter.setFont(font());
  painter.drawText(sunken ? caption_area.translated(1, 1) : caption_area, Qt::AlignCenter, text());
}

}  // namespace mirt2
