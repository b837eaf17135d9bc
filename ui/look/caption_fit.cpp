#include "caption_fit.h"

#include <QFontMetricsF>
#include <algorithm>

namespace mirt2 {

namespace {

// Fine enough that the largest size that fits is never more than a third of a pixel too small.
constexpr double kPointStep = 0.25;

// The widest text of the caption's kind in this font: each digit at the font's widest digit.
qreal WidestAdvance(const QFont& font, const QString& caption) {
  const QFontMetricsF metrics(font);
  QChar widest = u'0';
  for (char16_t digit = u'1'; digit <= u'9'; ++digit) {
    if (metrics.horizontalAdvance(QChar(digit)) > metrics.horizontalAdvance(widest)) {
      widest = QChar(digit);
    }
  }
  QString text = caption;
  text.replace(u'0', widest);
  return metrics.horizontalAdvance(text);
}

}  // namespace

QFont FitCaptionFont(const QFont& design, const QString& caption, qreal width) {
  QFont font = design;
  const double points = design.pointSizeF();
  if (points <= 0 || WidestAdvance(font, caption) <= width) return font;
  const double floor = std::min(points, kCaptionFloorPoints);
  for (int step = 1; points - step * kPointStep >= floor; ++step) {
    font.setPointSizeF(points - step * kPointStep);
    if (WidestAdvance(font, caption) <= width) return font;
  }
  font.setPointSizeF(floor);
  // The stretch that fits by proportion, then down to one that fits once hinted.
  int stretch = std::clamp(static_cast<int>(100 * width / WidestAdvance(font, caption)), 1, 99);
  for (font.setStretch(stretch); stretch > 1 && WidestAdvance(font, caption) > width;) {
    font.setStretch(--stretch);
  }
  return font;
}

}  // namespace mirt2
