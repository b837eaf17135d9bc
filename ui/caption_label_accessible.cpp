#include "caption_label_accessible.h"

#include <QAccessible>
#include <QAccessibleWidget>

#include "caption_label.h"

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

void InstallCaptionLabelAccessible() {
  static const bool kInstalled = [] {
    QAccessible::installFactory(&CaptionLabelInterface);
    return true;
  }();
  static_cast<void>(kInstalled);
}

void AnnounceCaption(CaptionLabel& label, const QString& caption) {
  // QLabel announces a new caption as a new name only while the label has no name of its own.
  // The tick sets captions ten times a second; with no screen reader listening, nobody hears.
  if (QAccessible::isActive() && !label.accessibleName().isEmpty()) {
    QAccessibleValueChangeEvent event(&label, caption);
    QAccessible::updateAccessibility(&event);
  }
}

}  // namespace mirt2
