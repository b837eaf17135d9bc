#include "face_button.h"

#include <qdrawutil.h>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

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
  QRect face = rect();
  if (window_default_) {
    painter.setPen(Qt::black);
    painter.drawRect(face.adjusted(0, 0, -1, -1));
    face.adjust(1, 1, -1, -1);
  }
  painter.fillRect(face, face_);

  QPalette edge;
  edge.setColor(QPalette::Light, Qt::white);
  edge.setColor(QPalette::Dark, QColor(0x80, 0x80, 0x80));
  const bool sunken = isDown();
  qDrawShadePanel(&painter, face, edge, sunken, 1);

  painter.setPen(palette().color(QPalette::ButtonText));
  painter.setFont(font());
  painter.drawText(sunken ? face.translated(1, 1) : face, Qt::AlignCenter, text());

  if (hasFocus()) {
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    focus.rect = face.adjusted(3, 3, -3, -3);
    focus.backgroundColor = face_;
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
  }
}

}  // namespace mirt2
