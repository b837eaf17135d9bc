#include "caption_label.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QPainter>
#include <QStyle>
#include <utility>

#include "caption_fit.h"
#include "caption_label_accessible.h"

namespace mirt2 {

CaptionLabel::CaptionLabel(const QString& caption, QWidget* parent) : QLabel(caption, parent) {
  setTextFormat(Qt::PlainText);
}

void CaptionLabel::SetCaption(const QString& caption) {
  const QString previous = text();
  setText(caption);
  AnnounceCaption(*this, previous);
}

void CaptionLabel::changeEvent(QEvent* event) {
  QLabel::changeEvent(event);
  if (event->type() == QEvent::FontChange) fitted_ = false;
}

void CaptionLabel::resizeEvent(QResizeEvent* event) {
  QLabel::resizeEvent(event);
  fitted_ = false;
}

const QFont& CaptionLabel::DrawnFont() const {
  Fit();
  return drawn_font_;
}

void CaptionLabel::Fit() const {
  QString width_class = WidthClass(text());
  if (fitted_ && width_class == fitted_class_) return;
  // A centred caption keeps a pixel clear on either side, so that two never touch; a
  // left-aligned one starts at its left edge by design.
  const int room = alignment() & Qt::AlignHCenter ? width() - 2 : width();
  drawn_font_ = FitCaptionFont(font(), width_class, room);
  baseline_shift_ = qRound(QFontMetricsF(font()).ascent() - QFontMetricsF(drawn_font_).ascent());
  fitted_class_ = std::move(width_class);
  fitted_ = true;
}

QRect CaptionLabel::CaptionRect() const {
  Fit();
  return contentsRect().adjusted(0, baseline_shift_, 0, 0);
}

void CaptionLabel::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.setFont(DrawnFont());
  style()->drawItemText(&painter, CaptionRect(), static_cast<int>(alignment().toInt()), palette(),
                        isEnabled(), text(), foregroundRole());
}

}  // namespace mirt2
