#include "caption_label_accessible.h"

#include <QAccessible>
#include <QFontMetrics>
#include <QStyle>

#include "caption_label.h"
#include "on_screen.h"
#include "shown_accessible.h"

namespace mirt2 {

namespace {

// Qt's own label interface drops the caption once the label has an accessible name, and Qt's
// AT-SPI bridge does not pass a value on; the Text interface carries the caption to both
// AT-SPI and UI Automation. An unnamed label is named by its caption, as Qt does.
class CaptionLabelAccessible final : public ShownAccessible, public QAccessibleTextInterface {
 public:
  explicit CaptionLabelAccessible(CaptionLabel* label)
      : ShownAccessible(label, QAccessible::StaticText) {}

  [[nodiscard]] QString text(QAccessible::Text t) const override {
    const bool named = !Label()->accessibleName().isEmpty();
    switch (t) {
      case QAccessible::Name:
        return named ? Label()->accessibleName() : Caption();
      case QAccessible::Value:
        return named ? Caption() : QString();
      default:
        return ShownAccessible::text(t);
    }
  }

  void* interface_cast(QAccessible::InterfaceType t) override {
    if (t == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    return ShownAccessible::interface_cast(t);
  }

  // Read-only text: no selection, and a caret that stays at the start.
  void selection(int /*index*/, int* start, int* end) const override { *start = *end = 0; }
  [[nodiscard]] int selectionCount() const override { return 0; }
  void addSelection(int /*start*/, int /*end*/) override {}
  void removeSelection(int /*index*/) override {}
  void setSelection(int /*index*/, int /*start*/, int /*end*/) override {}
  [[nodiscard]] int cursorPosition() const override { return 0; }
  void setCursorPosition(int /*position*/) override {}
  void scrollToSubstring(int /*start*/, int /*end*/) override {}

  [[nodiscard]] QString text(int start, int end) const override {
    return Caption().mid(start, end - start);
  }
  [[nodiscard]] int characterCount() const override { return static_cast<int>(Caption().size()); }

  QString attributes(int /*offset*/, int* start, int* end) const override {
    *start = 0;
    *end = characterCount();
    return {};
  }

  // Where the label draws each character, in screen coordinates, for a screen reader's mouse
  // review and a magnifier that follows the reading.
  [[nodiscard]] QRect characterRect(int offset) const override {
    const QString caption = Caption();
    if (offset < 0 || offset >= caption.size()) return {};
    // In the font and place the label draws it, which fitting may have made smaller.
    const QFontMetrics metrics(Label()->DrawnFont());
    const QRect line = QStyle::alignedRect(
        Qt::LeftToRight, Label()->alignment(),
        QSize(metrics.horizontalAdvance(caption), metrics.height()), Label()->CaptionRect());
    const QRect character(line.left() + metrics.horizontalAdvance(caption.left(offset)), line.top(),
                          metrics.horizontalAdvance(caption.at(offset)), line.height());
    return character.translated(Label()->mapToGlobal(QPoint(0, 0)));
  }

  [[nodiscard]] int offsetAtPoint(const QPoint& point) const override {
    for (int offset = 0; offset < characterCount(); ++offset) {
      if (characterRect(offset).contains(point)) return offset;
    }
    return -1;
  }

 private:
  [[nodiscard]] const CaptionLabel* Label() const {
    return static_cast<const CaptionLabel*>(widget());
  }
  [[nodiscard]] QString Caption() const { return Label()->text(); }
};

}  // namespace

QAccessibleInterface* NewCaptionLabelAccessible(CaptionLabel* label) {
  return new CaptionLabelAccessible(label);
}

void AnnounceCaption(CaptionLabel& label, const QString& previous) {
  // The tick sets a running time's caption once a second; a panel out of view keeps counting,
  // and nobody needs to hear it.
  if (!QAccessible::isActive() || !OnScreen(label)) return;
  QAccessibleTextUpdateEvent event(&label, 0, previous, label.text());
  QAccessible::updateAccessibility(&event);
}

}  // namespace mirt2
