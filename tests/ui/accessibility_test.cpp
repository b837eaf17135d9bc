// What a screen reader gets from the window, read back through Qt's accessibility
// interface as an assistive technology would read it.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QLabel>
#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "window_fixture.h"

namespace mirt2 {
namespace {

using testing::WindowTest;

QString U(const std::string& utf8) {
  return QString::fromStdString(utf8);
}

// A caption that says nothing by itself: one character, or no letter at all ("0", "10",
// "3-", "00:00:00"), or none.
bool IsTerse(const QString& caption) {
  if (caption.size() <= 1) return true;
  for (QChar c : caption) {
    if (c.isLetter()) return false;
  }
  return true;
}

class AccessibilityTest : public WindowTest {
 protected:
  [[nodiscard]] QString Read(const QWidget* widget, QAccessible::Text text) const {
    QAccessibleInterface* iface =
        QAccessible::queryAccessibleInterface(const_cast<QWidget*>(widget));
    return iface == nullptr ? QString() : iface->text(text);
  }
  [[nodiscard]] QString Name(const QWidget* control) const {
    return Read(control, QAccessible::Name);
  }
  [[nodiscard]] QString Description(const QWidget* control) const {
    return Read(control, QAccessible::Description);
  }
  [[nodiscard]] QString Value(const QWidget* control) const {
    return Read(control, QAccessible::Value);
  }
};

TEST_F(AccessibilityTest, EveryControlIsNamedAndNoTwoFocusableControlsShareAName) {
  EXPECT_EQ(Read(&window_, QAccessible::Name), window_.windowTitle());

  std::map<QString, std::string> focusable;
  for (const QWidget* widget : C().all) {
    const std::string id = widget->objectName().toStdString();
    SCOPED_TRACE(id);
    const QString name = Read(widget, QAccessible::Name);
    EXPECT_FALSE(name.trimmed().isEmpty());
    if (widget->focusPolicy() == Qt::NoFocus) continue;
    const auto [other, inserted] = focusable.emplace(name, id);
    EXPECT_TRUE(inserted) << name.toStdString() << " is also the name of " << other->second;
  }
  EXPECT_EQ(focusable.size(), 29U + testing::kDesignModes.size() + 1U)
      << "buttons, option buttons and check box";
}

TEST_F(AccessibilityTest, TerseCaptionsAreExplainedWhileStillShown) {
  int terse = 0;
  for (const QWidget* widget : C().all) {
    // Every button, option button, the check box and every label: what the user meets.
    if (widget->metaObject() == &QFrame::staticMetaObject) continue;
    const auto* button = qobject_cast<const QAbstractButton*>(widget);
    const QString caption =
        button != nullptr ? button->text() : qobject_cast<const QLabel*>(widget)->text();
    SCOPED_TRACE(widget->objectName().toStdString() + " \"" + caption.toStdString() + "\"");
    if (!IsTerse(caption)) continue;
    ++terse;
    const QString name = Read(widget, QAccessible::Name);
    EXPECT_NE(name, caption);
    EXPECT_TRUE(std::any_of(name.begin(), name.end(), [](QChar c) { return c.isLetter(); }))
        << "name: " << name.toStdString();
    // A control one acts on also says what it does beyond its name.
    if (widget->focusPolicy() != Qt::NoFocus) {
      EXPECT_FALSE(Read(widget, QAccessible::Description).isEmpty());
    }
  }
  // 始 and 止 on ten panels, 0, the option buttons, the check box, and the number and time labels.
  EXPECT_EQ(terse, 20 + 1 + static_cast<int>(testing::kDesignModes.size()) + 1 + 20 + 2);
}

TEST_F(AccessibilityTest, PanelControlsNameTheirStopwatch) {
  for (int i = 1; i <= kStopwatchCount; ++i) {
    SCOPED_TRACE(i);
    const std::string n = std::to_string(i);
    EXPECT_EQ(Name(fram1(i)), U("ストップウォッチ " + n));
    EXPECT_EQ(Name(lblNo(i)), U("ストップウォッチ " + n + " の番号"));
    EXPECT_EQ(Name(lblJikan(i)), U("ストップウォッチ " + n + " の経過時間"));
    EXPECT_EQ(Name(cmdStr(i)), U("ストップウォッチ " + n + " を開始"));
    EXPECT_EQ(Name(cmdStp(i)), U("ストップウォッチ " + n + " を停止"));
    EXPECT_EQ(cmdStr(i)->text(), U("始"));
    EXPECT_EQ(cmdStp(i)->text(), U("止"));
  }
}

TEST_F(AccessibilityTest, SharedControlsSayWhatTheyAreOrDo) {
  const std::pair<const QWidget*, const char*> expected[] = {
      {C().fram2, "操作パネル"},
      {C().fram3, "オプションパネル"},
      {C().lblStrt, "開始時刻の見出し"},
      {C().lblIma, "現在時刻の見出し"},
      {C().lblStrJikan, "開始時刻"},
      {C().lblImaJikan, "現在時刻"},
      {C().cmdReset, "表示を 0 に戻す"},
      {C().chk1, "オプションを表示"},
      {C().cmdEnd, "プログラムを終了"},
      {C().cmbAlStr, "すべてのストップウォッチを開始"},
      {C().cmdAlStp, "すべてのストップウォッチを停止"},
      {C().cmdMoji, "文字色を変更"},
      {C().cmdButn, "ボタンの色を変更"},
      {C().cmdHaikei, "背景色を変更"},
      {C().cmdCopy, "経過時間をクリップボードにコピー"},
      {C().cmdMae, "常に前面に置く"},
  };
  for (const auto& [control, name] : expected) {
    EXPECT_EQ(Name(control), U(name)) << control->objectName().toStdString();
  }
  for (const testing::DesignMode& mode : testing::kDesignModes) {
    EXPECT_EQ(Name(opt(mode.panels)), U(mode.spoken));
  }
  EXPECT_EQ(Description(C().chk1),
            U("文字色、ボタンの色、背景色、コピー、常に前面のボタンを表示します"))
      << "its own description, not the bare tool tip";
  EXPECT_EQ(C().chk1->toolTip(), U("オプション"));
}

TEST_F(AccessibilityTest, ButtonsThatAnnounceTheirNextActionAreReadAsTheyShow) {
  C().cmdMae->click();
  EXPECT_EQ(C().cmdMae->text(), U("元へ"));
  EXPECT_EQ(Name(C().cmdMae), U("常に前面を解除"));
  EXPECT_EQ(Description(C().cmdMae), U("常に前面をキャンセルします"));
  C().cmdMae->click();
  EXPECT_EQ(C().cmdMae->text(), U("前へ"));
  EXPECT_EQ(Name(C().cmdMae), U("常に前面に置く"));
  EXPECT_EQ(Description(C().cmdMae), U("常に前面に置きます"));

  C().cmdCopy->click();
  EXPECT_EQ(Description(C().cmdCopy), U("番号入りでタイマーの時間をクリップボードに送ります"));
  EXPECT_EQ(Name(C().cmdCopy), U("経過時間をクリップボードにコピー"));
}

// A screen reader acts on a control through its interface; the window must follow as it does
// a click.
TEST_F(AccessibilityTest, ActingOnAnOptionButtonOrTheCheckBoxRunsItsHandler) {
  const auto act = [](QWidget* control) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(control);
    ASSERT_NE(iface->actionInterface(), nullptr) << control->objectName().toStdString();
    iface->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
  };
  act(opt(5));
  EXPECT_EQ(window_.DisplayMode().panels, 5);
  EXPECT_EQ(fram1(5)->pos(), QPoint(Px(30), Px(2028)));
  EXPECT_TRUE(fram1(6)->isHidden());
  act(C().chk1);
  EXPECT_EQ(C().chk1->checkState(), Qt::Checked);
  EXPECT_FALSE(C().fram3->isHidden());
  EXPECT_EQ(C().fram3->pos(), QPoint(0, Px(3440)));
}

// Enter presses 全部始 wherever the focus is, and a screen reader learns that wherever it is.
TEST_F(AccessibilityTest, TheButtonEnterPressesIsTheDefaultWhereverTheFocusIs) {
  window_.show();
  for (QWidget* focus : std::initializer_list<QWidget*>{C().cmbAlStr, C().chk1, cmdStr(1)}) {
    focus->setFocus();
    for (const QWidget* control : C().all) {
      const QAccessibleInterface* iface =
          QAccessible::queryAccessibleInterface(const_cast<QWidget*>(control));
      EXPECT_EQ(iface->state().defaultButton, control == C().cmbAlStr)
          << control->objectName().toStdString() << ", focus on "
          << focus->objectName().toStdString();
    }
  }
}

TEST_F(AccessibilityTest, TimeLabelsAreReadWithTheTimeTheyShow) {
  EXPECT_EQ(Value(lblJikan(3)), U("00:00:00"));
  clock_.RunTo("9:00:00");
  cmdStr(3)->click();
  TickAt("9:00:00");
  TickAt("9:00:05");
  EXPECT_EQ(Name(lblJikan(3)), U("ストップウォッチ 3 の経過時間"));
  EXPECT_EQ(Value(lblJikan(3)), U("0:00:05"));
  EXPECT_EQ(Value(lblJikan(3)), lblJikan(3)->text());
  EXPECT_EQ(Value(C().lblStrJikan), U("9:00:00"));
  EXPECT_EQ(Value(C().lblImaJikan), U("9:00:05"));
  EXPECT_EQ(Value(lblNo(3)), U("3-"));
}

}  // namespace
}  // namespace mirt2
