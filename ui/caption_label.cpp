#include "caption_label.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QEvent>
#include <QFontMetrics>

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

void CaptionLabel::SetDesignGeometry(const QRect& design) {
  design_ = design;
  setGeometry(design_);
  Fit();
}

void CaptionLabel::SetCaption(const QString& caption) {
  setText(caption);
  Fit();
  // QLabel announces a new caption as a new name only while the label has no name of its own.
  // The tick sets captions ten times a second; with no screen reader listening, nobody hears.
  if (QAccessible::isActive() && !accessibleName().isEmpty()) {
    QAccessibleValueChangeEvent event(this, caption);
    QAccessible::updateAccessibility(&event);
  }
}

void CaptionLabel::changeEvent(QEvent* event) {
  QLabel::changeEvent(event);
  if (event->type() == QEvent::FontChange) Fit();
}

void CaptionLabel::Fit() {
  if (design_.isNull()) return;
  if (window()->isVisible()) {
    FitNow();
  } else if (!fit_pending_) {
    fit_pending_ = true;
    QMetaObject::invokeMethod(this, &CaptionLabel::FitNow, Qt::QueuedConnection);
  }
}

void CaptionLabel::FitNow() {
  fit_pending_ = false;
  const int needed = fontMetrics().horizontalAdvance(text()) + 2;
  QRect rect = design_;
  if (needed > rect.width()) {
    const int extra = needed - rect.width();
    if (alignment() & Qt::AlignHCenter) {
      rect.adjust(-(extra / 2), 0, extra - extra / 2, 0);
    } else {
      rect.setWidth(needed);
    }
  }
  if (rect != geometry()) setGeometry(rect);
}

}  // namespace mirt2
