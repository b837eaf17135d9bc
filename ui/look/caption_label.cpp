#include "caption_label.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QPainter>
#include <QStyle>
#include <algorithm>
#include <utility>

#include "accessibility.h"

namespace mirt2 {

namespace {

// The smallest size a caption is drawn at: the smallest the design itself uses (the 0 button).
constexpr double kCaptionFloorPoints = 7.5;

// Fine enough that the largest size that fits is never more than a third of a pixel too small.
constexpr double kPointStep = 0.25;

// The widest text of the class in this font: each digit at the font's widest digit.
qreal WidestAdvance(const QFont& font, const QString& width_class) {
  const QFontMetricsF metrics(font);
  QChar widest = u'0';
  for (char16_t digit = u'1'; digit <= u'9'; ++digit) {
    if (metrics.horizontalAdvance(QChar(digit)) > metrics.horizontalAdvance(widest)) {
      widest = QChar(digit);
    }
  }
  QString text = width_class;
  text.replace(u'0', widest);
  return metrics.horizontalAdvance(text);
}

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

// The font to draw every text of a width class in so that it is at most `width` pixels wide:
// the design font where it fits, else the largest size down to kCaptionFloorPoints that fits,
// and below that the floor size condensed just enough. A caption is never cut.
QFont FitCaptionFont(const QFont& design, const QString& width_class, qreal width) {
  QFont font = design;
  const double points = design.pointSizeF();
  if (points <= 0 || WidestAdvance(font, width_class) <= width) return font;
  const double floor = std::min(points, kCaptionFloorPoints);
  for (int step = 1; points - step * kPointStep >= floor; ++step) {
    font.setPointSizeF(points - step * kPointStep);
    if (WidestAdvance(font, width_class) <= width) return font;
  }
  font.setPointSizeF(floor);
  // The stretch that fits by proportion, then down to one that fits once hinted.
  int stretch = std::clamp(static_cast<int>(100 * width / WidestAdvance(font, width_class)), 1, 99);
  for (font.setStretch(stretch); stretch > 1 && WidestAdvance(font, width_class) > width;) {
    font.setStretch(--stretch);
  }
  return font;
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
