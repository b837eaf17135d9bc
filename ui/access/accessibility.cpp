#include "accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCheckBox>
#include <QFontMetrics>
#include <QFrame>
#include <QRadioButton>
#include <QStyle>

#include "caption_label.h"
#include "face_button.h"

namespace mirt2 {

namespace {

// A control's interface that reports the control as off screen, and as out of the focus's
// reach, wherever nobody sees it: hidden, or outside the client area though not hidden.
// AT-SPI then drops "showing", "visible", "focusable" and the SetFocus action; UI Automation
// reads IsOffscreen.
class ShownAccessible : public QAccessibleWidget {
 public:
  using QAccessibleWidget::QAccessibleWidget;

  [[nodiscard]] QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    if (!OnScreen(*widget())) {
      state.offscreen = true;
      state.focusable = false;
    }
    return state;
  }

  [[nodiscard]] QStringList actionNames() const override {
    QStringList names = QAccessibleWidget::actionNames();
    if (!OnScreen(*widget())) names.removeAll(setFocusAction());
    return names;
  }

  void doAction(const QString& action) override {
    if (action == setFocusAction() && !OnScreen(*widget())) return;
    QAccessibleWidget::doAction(action);
  }
};

// What Qt's interface for a button, an option button or a check box says, with the command's
// name, the off-screen state and, on the button Enter presses, the default state wherever the
// focus is. Acting on it clicks the control, as the mouse and Space do: Qt's own toggles an
// option button or the check box without a click, so their handlers would not run and the
// window would show one layout while the buttons say another.
class ButtonAccessible final : public ShownAccessible {
 public:
  explicit ButtonAccessible(QAbstractButton* button)
      : ShownAccessible(button, !button->isCheckable()    ? QAccessible::Button
                                : button->autoExclusive() ? QAccessible::RadioButton
                                                          : QAccessible::CheckBox) {}

  [[nodiscard]] QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name && Button()->accessibleName().isEmpty()) return Button()->text();
    return ShownAccessible::text(t);
  }

  [[nodiscard]] QAccessible::State state() const override {
    QAccessible::State state = ShownAccessible::state();
    state.checkable = Button()->isCheckable();
    state.checked = Button()->isChecked();
    if (const auto* check = qobject_cast<const QCheckBox*>(Button())) {
      state.checkStateMixed = check->checkState() == Qt::PartiallyChecked;
    }
    state.pressed = Button()->isDown();
    if (const auto* face = qobject_cast<const FaceButton*>(Button())) {
      state.defaultButton = face->IsWindowDefault();
    }
    return state;
  }

  [[nodiscard]] QStringList actionNames() const override {
    QStringList names = ShownAccessible::actionNames();
    if (Button()->isEnabled()) names.prepend(Action());
    return names;
  }

  void doAction(const QString& action) override {
    if (action != Action()) {
      ShownAccessible::doAction(action);
    } else if (Button()->isEnabled()) {
      Button()->click();
    }
  }

 private:
  [[nodiscard]] QAbstractButton* Button() const { return static_cast<QAbstractButton*>(widget()); }
  [[nodiscard]] QString Action() const {
    return Button()->isCheckable() ? toggleAction() : pressAction();
  }
};

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

const QMetaObject* the_window_class = nullptr;

bool OnTheWindow(const QObject& object) {
  return object.isWidgetType() &&
         static_cast<const QWidget&>(object).window()->metaObject() == the_window_class;
}

QAccessibleInterface* ControlInterface(const QString& class_name, QObject* object) {
  const auto is = [&class_name](const QMetaObject& meta) {
    return class_name == QLatin1String(meta.className());
  };
  // Qt reads a plain top-level widget as a client area (AT-SPI "filler").
  if (class_name == QLatin1String(the_window_class->className())) {
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
  }
  // The option buttons and the check box are Qt's own classes, also in Qt's dialogs.
  if (is(FaceButton::staticMetaObject) ||
      (OnTheWindow(*object) &&
       (is(QRadioButton::staticMetaObject) || is(QCheckBox::staticMetaObject)))) {
    return new ButtonAccessible(static_cast<QAbstractButton*>(object));
  }
  if (is(CaptionLabel::staticMetaObject)) {
    return new CaptionLabelAccessible(static_cast<CaptionLabel*>(object));
  }
  // The panels are the plain frames on the window, which Qt reads as borders (AT-SPI calls
  // that a frame, as it does a window); frames elsewhere (in Qt's dialogs) and the labels,
  // which are frames too, are left to Qt.
  if (is(QFrame::staticMetaObject) && object->metaObject() == &QFrame::staticMetaObject &&
      object->parent() != nullptr && object->parent()->metaObject() == the_window_class) {
    return new ShownAccessible(static_cast<QWidget*>(object), QAccessible::Grouping);
  }
  return nullptr;
}

}  // namespace

void InstallAccessibles(const QMetaObject& window_class) {
  if (the_window_class == nullptr) QAccessible::installFactory(&ControlInterface);
  the_window_class = &window_class;
}

bool OnScreen(const QWidget& control) {
  if (!control.isVisible()) return false;
  QRect shown = control.rect();
  for (const QWidget* w = &control; !w->isWindow(); w = w->parentWidget()) {
    shown = shown.translated(w->pos()) & w->parentWidget()->rect();
    if (shown.isEmpty()) return false;
  }
  return true;
}

void AnnounceCaption(QLabel& label, const QString& previous) {
  // The tick sets a running time's caption once a second; a panel out of view keeps counting,
  // and nobody needs to hear it.
  if (!QAccessible::isActive() || !OnScreen(label)) return;
  QAccessibleTextUpdateEvent event(&label, 0, previous, label.text());
  QAccessible::updateAccessibility(&event);
}

void ShowingAnnouncer::Update(const std::vector<QWidget*>& controls) {
  std::vector<bool> showing(controls.size());
  for (std::size_t n = 0; n < controls.size(); ++n) {
    showing[n] = OnScreen(*controls[n]);
    if (QAccessible::isActive() && showing_.size() == controls.size() &&
        showing[n] != showing_[n]) {
      QAccessibleEvent event(controls[n],
                             showing[n] ? QAccessible::ObjectShow : QAccessible::ObjectHide);
      QAccessible::updateAccessibility(&event);
    }
  }
  showing_ = std::move(showing);
}

}  // namespace mirt2
