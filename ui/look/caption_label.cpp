#include "caption_label.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QPainter>
#include <QStyle>
#include <algorithm>
#include <utility>

#include "accessibility.h"
#include "caption_fit.h"

namespace mirt2 {

namespace {

// A caption's width class: its text with every digit made alike. Texts of one class are drawn
// at one size, so a running time keeps its size from second to second and changes it only when
// its shape changes (9:59:59 to 10:00:00, AM to PM).
QString WidthClass(const QString& text) {
  QString width_class = text;
  for (QChar& c : width_class) {
    if (c >= u'0' && c <= u'9') c = u'0';
  }
  return width_class;
}

}  // namespace

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
