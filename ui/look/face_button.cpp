#include "face_button.h"

#include <QPainter>

#include "caption_fit.h"
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

// The siblings made later are drawn above it: where one covers an edge, the face shows up to it.
QRect FaceButton::ShownPart() const {
  QRect shown = rect();
  const QWidget* parent = parentWidget();
  if (parent == nullptr) return shown;
  const QObjectList& siblings = parent->children();
  for (qsizetype n = siblings.indexOf(this) + 1; n < siblings.size(); ++n) {
    const auto* sibling = qobject_cast<const QWidget*>(siblings.at(n));
    if (sibling == nullptr || sibling->isHidden()) continue;
    const QRect over = sibling->geometry().translated(-pos()).intersected(shown);
    if (over.isEmpty() || over.height() < shown.height()) continue;
    if (over.right() == shown.right()) {
      shown.setRight(over.left() - 1);
    } else if (over.left() == shown.left()) {
      shown.setLeft(over.right() + 1);
    }
  }
  return shown;
}

// The edge is a pixel wide at every scale that matters here.
QRect FaceButton::CaptionArea() const {
  return ShownPart().intersected(rect().adjusted(1, 1, -1, -1));
}

QFont FaceButton::DrawnFont() const {
  return FontFitting(CaptionArea());
}

// A pixel clear on either side, as a centred label keeps.
QFont FaceButton::FontFitting(const QRect& caption_area) const {
  return FitCaptionFont(font(), text(), caption_area.width() - 2);
}

void FaceButton::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  const bool sunken = isDown();
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
    // The focus mark inside the bevel, a line of face colour between them, round the part that
    // shows.
    if (hasFocus()) {
      const QRect shown = face.intersected(device.Rect(ShownPart()));
      device.FillRing(shown.adjusted(2 * line, 2 * line, -2 * line, -2 * line), line,
                      FocusMarkColour(face_));
    }
  }

  const QRect caption_area = CaptionArea();
  painter.setPen(palette().color(QPalette::ButtonText));
  painter.setFont(FontFitting(caption_area));
  painter.drawText(sunken ? caption_area.translated(1, 1) : caption_area, Qt::AlignCenter, text());
}

}  // namespace mirt2
