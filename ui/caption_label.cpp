#include "caption_label.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QEvent>
#include <QFontMetricsF>
#include <QPainter>
#include <QStyle>
#include <utility>

#include "caption_fit.h"

namespace mirt2 {

namespace {

// Qt's own label interface drops the caption once the label has an accessible name, so
// "ストップウォッチ 3 の経過時間" would be read without the time it shows. Here a named
// label keeps its caption as its value; an unnamed one is read by its caption as before.
class CaptionLabelAccessible final : public QAccessibleWidget {
 public:
  explicit CaptionLabelAccessible(QWidget* label)
      : QAccessibleWidget(label, QAccessible::StaticText) {}

  [[nodiscard]] QString text(QAccessible::Text t) const override {
    const auto* label = static_cast<const CaptionLabel*>(widget());
    const bool named = !label->accessibleName().isEmpty();
    switch (t) {
      case QAccessible::Name:
        return named ? label->accessibleName() : label->text();
      case QAccessible::Value:
        return named ? label->text() : QString();
      default:
        return QAccessibleWidget::text(t);
    }
  }
};

QAccessibleInterface* CaptionLabelInterface(const QString& class_name, QObject* object) {
  if (class_name != QLatin1String(CaptionLabel::staticMetaObject.className())) return nullptr;
  return new CaptionLabelAccessible(static_cast<CaptionLabel*>(object));
}

}  // namespace

CaptionLabel::CaptionLabel(const QString& caption, QWidget* parent) : QLabel(caption, parent) {
  static const bool kInterfaceInstalled = [] {
    QAccessible::installFactory(&CaptionLabelInterface);
    return true;
  }();
  static_cast<void>(kInterfaceInstalled);
  setTextFormat(Qt::PlainText);
}

void CaptionLabel::SetCaption(const QString& caption) {
  setText(caption);
  // QLabel announces a new caption as a new name only while the label has no name of its own.
  // The tick sets captions ten times a second; with no screen reader listening, nobody hears.
  if (QAccessible::isActive() && !accessibleName().isEmpty()) {
    QAccessibleValueChangeEvent event(this, caption);
    QAccessible::updateAccessibility(&event);
  }
}

void CaptionLabel::changeEvent(QEvent* event) {
  QLabel::changeEvent(event);
  if (event->type() == QEvent::FontChange) fitted_ = false;
}

void CaptionLabel::resizeEvent(QResizeEvent* event) {
  QLabel::resizeEvent(event);
  fitted_ = false;
}

const QFont& CaptionLabel::DrawnFont() {
  QString width_class = WidthClass(text());
  if (fitted_ && width_class == fitted_class_) return drawn_font_;
  // A centred caption keeps a pixel clear on either side, so that two never touch; a
  // left-aligned one starts at its left edge by design.
  const int room = alignment() & Qt::AlignHCenter ? width() - 2 : width();
  drawn_font_ = FitCaptionFont(font(), width_class, room);
  baseline_shift_ = qRound(QFontMetricsF(font()).ascent() - QFontMetricsF(drawn_font_).ascent());
  fitted_class_ = std::move(width_class);
  fitted_ = true;
  return drawn_font_;
}

void CaptionLabel::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.setFont(DrawnFont());
  style()->drawItemText(&painter, contentsRect().adjusted(0, baseline_shift_, 0, 0),
                        static_cast<int>(alignment().toInt()), palette(), isEnabled(), text(),
                        foregroundRole());
}

}  // namespace mirt2
