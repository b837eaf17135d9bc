#include "control_accessibles.h"

#include <QAccessible>
#include <QCheckBox>
#include <QFrame>
#include <QPushButton>
#include <QRadioButton>

#include "caption_label.h"
#include "caption_label_accessible.h"
#include "face_button.h"
#include "frm_mirt2.h"
#include "shown_accessible.h"

namespace mirt2 {

namespace {

// Qt reads a plain top-level widget as a client area (AT-SPI "filler").
class WindowAccessible final : public QAccessibleWidget {
 public:
  explicit WindowAccessible(QWidget* window) : QAccessibleWidget(window, QAccessible::Window) {}
};

// Qt reads a QFrame as a border, which AT-SPI calls a frame, as it does a window.
class PanelAccessible final : public ShownAccessible {
 public:
  explicit PanelAccessible(QWidget* panel) : ShownAccessible(panel, QAccessible::Grouping) {}
};

// What Qt's interface for a button, an option button or a check box says, with the command's
// name and the off-screen state. Acting on it clicks the control, as the mouse and Space do:
// Qt's own toggles an option button or the check box without a click, so their handlers
// would not run and the window would show one layout while the buttons say another.
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
    if (const auto* push = qobject_cast<const QPushButton*>(Button())) {
      state.defaultButton = push->isDefault();
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

QAccessibleInterface* ControlInterface(const QString& class_name, QObject* object) {
  const auto is = [&class_name](const QMetaObject& meta) {
    return class_name == QLatin1String(meta.className());
  };
  if (is(frmMirt2::staticMetaObject)) return new WindowAccessible(static_cast<frmMirt2*>(object));
  // The option buttons and the check box are Qt's own classes, also in Qt's dialogs.
  const bool on_window =
      object->isWidgetType() &&
      qobject_cast<frmMirt2*>(static_cast<QWidget*>(object)->window()) != nullptr;
  if (is(FaceButton::staticMetaObject) ||
      (on_window && (is(QRadioButton::staticMetaObject) || is(QCheckBox::staticMetaObject)))) {
    return new ButtonAccessible(static_cast<QAbstractButton*>(object));
  }
  if (is(CaptionLabel::staticMetaObject)) {
    return NewCaptionLabelAccessible(static_cast<CaptionLabel*>(object));
  }
  // The panels are the plain frames on the window; frames elsewhere (in Qt's dialogs) and the
  // labels, which are frames too, are left to Qt.
  if (is(QFrame::staticMetaObject) && object->metaObject() == &QFrame::staticMetaObject &&
      qobject_cast<frmMirt2*>(object->parent()) != nullptr) {
    return new PanelAccessible(static_cast<QFrame*>(object));
  }
  return nullptr;
}

}  // namespace

void InstallControlAccessibles() {
  static const bool kInstalled = [] {
    QAccessible::installFactory(&ControlInterface);
    return true;
  }();
  static_cast<void>(kInstalled);
}

}  // namespace mirt2
