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

#include "control_table.h"
#include "window_fixture.h"

namespace mirt2 {
namespace {

using testing::WindowTest;

QString U(const std::string& utf8) {
  return QString::fromStdString(utf8);
}

std::string Id(const ControlRow& row) {
  std::string id(row.name);
  if (row.index != 0) id += "(" + std::to_string(row.index) + ")";
  return id;
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
  [[nodiscard]] QString Name(std::string_view name, int index = 0) const {
    return Read(Control(name, index), QAccessible::Name);
  }
  [[nodiscard]] QString Description(std::string_view name, int index = 0) const {
    return Read(Control(name, index), QAccessible::Description);
  }
  [[nodiscard]] QString Value(std::string_view name, int index = 0) const {
    return Read(Control(name, index), QAccessible::Value);
  }
  [[nodiscard]] QString ButtonCaption(std::string_view name, int index = 0) const {
    return qobject_cast<QAbstractButton*>(Control(name, index))->text();
  }

  // Every button, option button, the check box and every label: what the user meets.
  [[nodiscard]] std::vector<const ControlRow*> Operated() const {
    std::vector<const ControlRow*> rows;
    for (const ControlRow& row : ControlTable()) {
      if (row.kind != ControlKind::kWindow && row.kind != ControlKind::kFrame) {
        rows.push_back(&row);
      }
    }
    return rows;
  }

  [[nodiscard]] QString VisibleCaption(const ControlRow& row) const {
    const QWidget* widget = Control(row.name, row.index);
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) return button->text();
    if (const auto* label = qobject_cast<const QLabel*>(widget)) return label->text();
    return {};
  }
};

TEST_F(AccessibilityTest, EveryControlIsNamedAndNoTwoFocusableControlsShareAName) {
  EXPECT_EQ(Read(&window_, QAccessible::Name), window_.windowTitle());

  std::map<QString, std::string> focusable;
  for (const ControlRow& row : ControlTable().subspan(1)) {
    SCOPED_TRACE(Id(row));
    const QWidget* widget = Control(row.name, row.index);
    const QString name = Read(widget, QAccessible::Name);
    EXPECT_FALSE(name.trimmed().isEmpty());
    if (widget->focusPolicy() == Qt::NoFocus) continue;
    const auto [other, inserted] = focusable.emplace(name, Id(row));
    EXPECT_TRUE(inserted) << name.toStdString() << " is also the name of " << other->second;
  }
  EXPECT_EQ(focusable.size(), 29U + 3U + 1U) << "buttons, option buttons and check box";
}

TEST_F(AccessibilityTest, TerseCaptionsAreExplainedWhileStillShown) {
  int terse = 0;
  for (const ControlRow* row : Operated()) {
    const QString caption = VisibleCaption(*row);
    SCOPED_TRACE(Id(*row) + " \"" + caption.toStdString() + "\"");
    EXPECT_EQ(caption, U(row->caption)) << "the caption itself stays what it was";
    if (!IsTerse(caption)) continue;
    ++terse;
    const QWidget* widget = Control(row->name, row->index);
    const QString name = Read(widget, QAccessible::Name);
    EXPECT_NE(name, caption);
    EXPECT_TRUE(std::any_of(name.begin(), name.end(), [](QChar c) { return c.isLetter(); }))
        << "name: " << name.toStdString();
    // A control one acts on also says what it does beyond its name.
    if (widget->focusPolicy() != Qt::NoFocus) {
      EXPECT_FALSE(Read(widget, QAccessible::Description).isEmpty());
    }
  }
  // 始 and 止 on ten panels, 0, 1, 5, 10, the check box, and the number and time labels.
  EXPECT_EQ(terse, 20 + 4 + 1 + 20 + 2);
}

TEST_F(AccessibilityTest, PanelControlsNameTheirStopwatch) {
  for (int i = 1; i <= kPanelCount; ++i) {
    SCOPED_TRACE(i);
    const std::string n = std::to_string(i);
    EXPECT_EQ(Name("fram1", i), U("ストップウォッチ " + n));
    EXPECT_EQ(Name("lblNo", i), U("ストップウォッチ " + n + " の番号"));
    EXPECT_EQ(Name("lblJikan", i), U("ストップウォッチ " + n + " の経過時間"));
    EXPECT_EQ(Name("cmdStr", i), U("ストップウォッチ " + n + " を開始"));
    EXPECT_EQ(Name("cmdStp", i), U("ストップウォッチ " + n + " を停止"));
    EXPECT_EQ(ButtonCaption("cmdStr", i), U("始"));
    EXPECT_EQ(ButtonCaption("cmdStp", i), U("止"));
  }
}

TEST_F(AccessibilityTest, SharedControlsSayWhatTheyAreOrDo) {
  const std::map<std::string, std::string> expected = {
      {"fram2", "操作パネル"},
      {"fram3", "オプションパネル"},
      {"lblStrt", "開始時刻の見出し"},
      {"lblIma", "現在時刻の見出し"},
      {"lblStrJikan", "開始時刻"},
      {"lblImaJikan", "現在時刻"},
      {"cmdReset", "表示を 0 に戻す"},
      {"opt1", "1 個表示"},
      {"opt5", "5 個表示"},
      {"opt10", "10 個表示"},
      {"chk1", "オプションを表示"},
      {"cmdEnd", "プログラムを終了"},
      {"cmbAlStr", "すべてのストップウォッチを開始"},
      {"cmdAlStp", "すべてのストップウォッチを停止"},
      {"cmdMoji", "文字色を変更"},
      {"cmdButn", "ボタンの色を変更"},
      {"cmdHaikei", "背景色を変更"},
      {"cmdCopy", "経過時間をクリップボードにコピー"},
      {"cmdMae", "常に前面に置く"},
  };
  for (const auto& [control, name] : expected) {
    EXPECT_EQ(Name(control), U(name)) << control;
  }
  EXPECT_EQ(Description("chk1"),
            U("文字色、ボタンの色、背景色、コピー、常に前面のボタンを表示します"))
      << "its own description, not the bare tool tip";
  EXPECT_EQ(Control("chk1")->toolTip(), U("オプション"));
}

TEST_F(AccessibilityTest, ButtonsThatAnnounceTheirNextActionAreReadAsTheyShow) {
  Click("cmdMae");
  EXPECT_EQ(ButtonCaption("cmdMae"), U("元へ"));
  EXPECT_EQ(Name("cmdMae"), U("常に前面を解除"));
  EXPECT_EQ(Description("cmdMae"), U("常に前面をキャンセルします"));
  Click("cmdMae");
  EXPECT_EQ(ButtonCaption("cmdMae"), U("前へ"));
  EXPECT_EQ(Name("cmdMae"), U("常に前面に置く"));
  EXPECT_EQ(Description("cmdMae"), U("常に前面に置きます"));

  Click("cmdCopy");
  EXPECT_EQ(Description("cmdCopy"), U("番号入りでタイマーの時間をクリップボードに送ります"));
  EXPECT_EQ(Name("cmdCopy"), U("経過時間をクリップボードにコピー"));
}

// A screen reader acts on a control through its interface; the window must follow as it does
// a click.
TEST_F(AccessibilityTest, ActingOnAnOptionButtonOrTheCheckBoxRunsItsHandler) {
  const auto act = [this](std::string_view name) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(Control(name));
    ASSERT_NE(iface->actionInterface(), nullptr) << std::string(name);
    iface->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
  };
  act("opt5");
  EXPECT_EQ(window_.DisplayMode(), 5);
  EXPECT_EQ(Control("fram1", 5)->pos(), QPoint(Px(30), Px(2028)));
  EXPECT_TRUE(Control("fram1", 6)->isHidden());
  act("chk1");
  EXPECT_EQ(window_.CheckValue(), 1);
  EXPECT_FALSE(Control("fram3")->isHidden());
  EXPECT_EQ(Control("fram3")->pos(), QPoint(0, Px(3440)));
}

TEST_F(AccessibilityTest, TimeLabelsAreReadWithTheTimeTheyShow) {
  EXPECT_EQ(Value("lblJikan", 3), U("00:00:00"));
  clock_.Set("9:00:00");
  Click("cmdStr", 3);
  TickAt("9:00:00");
  TickAt("9:00:05");
  EXPECT_EQ(Name("lblJikan", 3), U("ストップウォッチ 3 の経過時間"));
  EXPECT_EQ(Value("lblJikan", 3), U("0:00:05"));
  EXPECT_EQ(Value("lblJikan", 3), Caption("lblJikan", 3));
  EXPECT_EQ(Value("lblStrJikan"), U("9:00:00"));
  EXPECT_EQ(Value("lblImaJikan"), U("9:00:05"));
  EXPECT_EQ(Value("lblNo", 3), U("3-"));
}

}  // namespace
}  // namespace mirt2
