#include "control_table.h"

#include <gtest/gtest.h>

#include <map>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>


namespace mirt2 {
namespace {

using Key = std::pair<std::string, int>;

Key KeyOf(ControlRef r) {
  return {std::string(r.name), r.index};
}

const ControlRow& Get(std::string_view name, int index = 0) {
  const ControlRow* row = FindControl(name, index);
  if (row == nullptr) throw std::out_of_range(std::string(name));
  return *row;
}

TEST(ControlTableTest, RowsAreUniqueAndEachContainerComesFirst) {
  const auto table = ControlTable();
  ASSERT_FALSE(table.empty());
  EXPECT_EQ(table.front().name, kWindowName);
  EXPECT_TRUE(table.front().container.Empty());

  std::map<Key, ControlKind> seen = {{KeyOf(table.front().Ref()), ControlKind::kWindow}};
  for (const ControlRow& c : table.subspan(1)) {
    SCOPED_TRACE(testing::Message() << c.name << "(" << c.index << ")");
    EXPECT_NE(c.kind, ControlKind::kWindow);
    const auto container = seen.find(KeyOf(c.container));
    ASSERT_NE(container, seen.end()) << "container not declared before";
    EXPECT_TRUE(container->second == ControlKind::kWindow ||
                container->second == ControlKind::kFrame);
    if (c.index != 0) {
      EXPECT_GE(c.index, 1);
      EXPECT_LE(c.index, kStopwatchCount);
      if (c.kind != ControlKind::kFrame) {
        EXPECT_EQ(c.container, (ControlRef{"fram1", c.index}));
      }
    }
    EXPECT_TRUE(seen.emplace(KeyOf(c.Ref()), c.kind).second) << "duplicate";
  }
}

TEST(ControlTableTest, CountsOfEachKind) {
  std::map<ControlKind, int> count;
  for (const ControlRow& c : ControlTable()) ++count[c.kind];
  EXPECT_EQ(count[ControlKind::kWindow], 1);
  EXPECT_EQ(count[ControlKind::kCommandButton], 29);
  EXPECT_EQ(count[ControlKind::kLabel], 24);
  EXPECT_EQ(count[ControlKind::kFrame], 12);
  EXPECT_EQ(count[ControlKind::kOptionButton], 3);
  EXPECT_EQ(count[ControlKind::kCheckBox], 1);
  EXPECT_EQ(ControlTable().size(), 70U);
}

TEST(ControlTableTest, TabOrderStartsOnStartAllAndCoversEveryControl) {
  std::vector<Key> expected = {{"cmbAlStr", 0}, {"cmdAlStp", 0}};
  for (int i = 1; i <= 10; ++i) {
    expected.push_back({"cmdStr", i});
    expected.push_back({"cmdStp", i});
  }
  for (const char* name : {"cmdReset", "opt1", "opt5", "opt10", "chk1", "cmdEnd"}) {
    expected.push_back({name, 0});
  }
  expected.insert(expected.end(), {{"fram1", 1}, {"lblJikan", 1}, {"lblNo", 1}, {"fram2", 0}});
  for (const char* name : {"lblIma", "lblStrt", "lblImaJikan", "lblStrJikan"}) {
    expected.push_back({name, 0});
  }
  for (int i = 2; i <= 10; ++i) {
    expected.insert(expected.end(), {{"fram1", i}, {"lblNo", i}, {"lblJikan", i}});
  }
  for (const char* name : {"fram3", "cmdMae", "cmdMoji", "cmdHaikei", "cmdCopy", "cmdButn"}) {
    expected.push_back({name, 0});
  }

  std::map<int, Key> by_tab_index;
  for (const ControlRow& c : ControlTable()) {
    if (c.kind == ControlKind::kWindow) {
      EXPECT_FALSE(c.tab_index.has_value());
      continue;
    }
    ASSERT_TRUE(c.tab_index.has_value()) << c.name << "(" << c.index << ")";
    EXPECT_TRUE(by_tab_index.emplace(*c.tab_index, KeyOf(c.Ref())).second)
        << "tab index " << *c.tab_index << " used twice";
  }
  std::vector<Key> actual;
  for (const auto& [tab_index, key] : by_tab_index) {
    EXPECT_EQ(tab_index, static_cast<int>(actual.size()));
    actual.push_back(key);
  }
  EXPECT_EQ(actual, expected);
  EXPECT_TRUE(Get("cmbAlStr").default_button);
}

TEST(ControlTableTest, CaptionsAndToolTipsAreExact) {
  // The full-width characters are spelled as bytes so that a stray ASCII look-alike fails.
  EXPECT_EQ(Get("frmMirt2").caption, "ミルテス-\xEF\xBC\x92");
  EXPECT_EQ(Get("cmdReset").tool_tip, "\"\xEF\xBC\x90\"に戻します");
  EXPECT_EQ(kFontFaces.front(), "\xEF\xBC\xAD\xEF\xBC\xB3 \xEF\xBC\xB0ゴシック");

  struct Text {
    const char* name;
    const char* caption;
    const char* tool_tip;
  };
  const Text singles[] = {
      {"fram2", "", ""},
      {"fram3", "", ""},
      {"lblStrt", "開始時刻", ""},
      {"lblIma", "現在時刻", ""},
      {"cmdReset", "0", "\"０\"に戻します"},
      {"opt1", "1", ""},
      {"opt5", "5", ""},
      {"opt10", "10", ""},
      {"chk1", "", "オプション"},
      {"lblStrJikan", "00:00:00", ""},
      {"lblImaJikan", "00:00:00", ""},
      {"cmdEnd", "終了", ""},
      {"cmbAlStr", "全部始", ""},
      {"cmdAlStp", "全部止", ""},
      {"cmdMoji", "字色", "ボタン以外の文字色を変えます"},
      {"cmdButn", "ボタン", "ボタンの色を変えます（文字色は変わりません）"},
      {"cmdHaikei", "背色", "背景色を変えます"},
      {"cmdCopy", "コピー", "番号無しでタイマーの時間をクリップボードに送ります"},
      {"cmdMae", "前へ", "常に前面に置きます"},
  };
  for (const Text& t : singles) {
    EXPECT_EQ(Get(t.name).caption, t.caption) << t.name;
    EXPECT_EQ(Get(t.name).tool_tip, t.tool_tip) << t.name;
  }
  for (int i = 1; i <= 10; ++i) {
    EXPECT_EQ(Get("lblNo", i).caption, std::to_string(i) + "-");
    EXPECT_EQ(Get("lblJikan", i).caption, "00:00:00");
    EXPECT_EQ(Get("cmdStr", i).caption, "始");
    EXPECT_EQ(Get("cmdStp", i).caption, "止");
    EXPECT_EQ(Get("fram1", i).caption, "");
  }
}

TEST(ControlTableTest, GeometryOfPanelsAndRepresentativeControls) {
  const int positions[10][2] = {{30, 0},      {30, 2400},  {30, 2880},   {2880, 0},
                                {2880, 480},  {2880, 960}, {2880, 1440}, {2880, 1920},
                                {2880, 2400}, {2880, 2880}};
  for (int i = 1; i <= 10; ++i) {
    const ControlRow& panel = Get("fram1", i);
    EXPECT_EQ(panel.left, positions[i - 1][0]) << i;
    EXPECT_EQ(panel.top, positions[i - 1][1]) << i;
    EXPECT_EQ(panel.width, 2750);
    EXPECT_EQ(panel.height, 500);
  }
  struct Box {
    const char* name;
    int index, left, top, width, height;
  };
  const Box boxes[] = {
      {"frmMirt2", 0, 7215, 5790, 5700, 3480}, {"fram2", 0, 0, 450, 2800, 1030},
      {"fram3", 0, 0, 1440, 2800, 492},        {"lblJikan", 7, 500, 180, 1056, 252},
      {"cmdStp", 10, 2220, 130, 440, 350},     {"cmdReset", 0, 1880, 130, 200, 220},
      {"opt10", 0, 1920, 430, 550, 180},       {"lblImaJikan", 0, 900, 350, 950, 252},
      {"cmdButn", 0, 540, 130, 600, 300},      {"cmdMae", 0, 2300, 130, 500, 300},
  };
  for (const Box& b : boxes) {
    const ControlRow& c = Get(b.name, b.index);
    EXPECT_EQ((std::vector{c.left, c.top, c.width, c.height}),
              (std::vector{b.left, b.top, b.width, b.height}))
        << b.name << "(" << b.index << ")";
  }
}

// The colour settings recolour these groups wholesale, so every member must start in the
// group's design colour.
TEST(ControlTableTest, ColoursFollowTheKindOfControl) {
  for (const ControlRow& c : ControlTable()) {
    SCOPED_TRACE(testing::Message() << c.name << "(" << c.index << ")");
    switch (c.kind) {
      case ControlKind::kCommandButton:
        EXPECT_EQ(c.back_color, kBrightGreen);
        EXPECT_TRUE(c.graphical);
        EXPECT_FALSE(c.fore_color.has_value());
        break;
      case ControlKind::kLabel:
        EXPECT_TRUE(c.transparent);
        EXPECT_FALSE(c.back_color.has_value());
        EXPECT_EQ(c.fore_color, c.name == "lblJikan" ? kLightYellow : kWhite);
        EXPECT_TRUE(c.alignment.has_value());
        break;
      case ControlKind::kOptionButton:
        EXPECT_EQ(c.fore_color, kWhite);
        [[fallthrough]];
      case ControlKind::kWindow:
      case ControlKind::kFrame:
      case ControlKind::kCheckBox:
        EXPECT_EQ(c.back_color, kDarkGreen);
        break;
    }
  }
  EXPECT_EQ(BlueOf(kLightYellow), 0x80);
}

// The fonts differ where the design sets the two time labels apart.
TEST(ControlTableTest, FontsThatDifferSubtly) {
  EXPECT_EQ(Get("lblStrJikan").font, (FontStyle{10.5, false, false}));
  EXPECT_EQ(Get("lblImaJikan").font, (FontStyle{10.5, true, false}));
  EXPECT_EQ(Get("lblStrt").font, (FontStyle{9.0, false, true}));
  EXPECT_EQ(Get("cmdReset").font, (FontStyle{7.5, false, false}));
  for (const char* name : {"chk1", "cmdMoji", "cmdButn", "cmdHaikei", "cmdCopy", "cmdMae"}) {
    EXPECT_FALSE(Get(name).font.has_value()) << name;
  }
}

TEST(ControlTableTest, InitialStateAndStartUp) {
  for (const ControlRow& c : ControlTable()) {
    EXPECT_EQ(c.visible, c.name != "fram3") << c.name;
    EXPECT_EQ(c.bordered, c.kind == ControlKind::kFrame) << c.name;
  }
  EXPECT_EQ(Get("opt1").value, 1);
  EXPECT_EQ(Get("opt5").value, 0);
  EXPECT_EQ(Get("opt10").value, 0);
  EXPECT_EQ(Get("chk1").value, 0);
  EXPECT_EQ(kTimer1Interval.count(), 100);
}

TEST(ControlTableTest, LookupFindsStableRowsAndRejectsUnknownOnes) {
  const ControlRow* first = FindControl("lblJikan", 3);
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first, FindControl("lblJikan", 3));
  EXPECT_GE(first, ControlTable().data());
  EXPECT_LT(first, ControlTable().data() + ControlTable().size());
  EXPECT_EQ(FindControl("fram1", 0), nullptr);
  EXPECT_EQ(FindControl("fram1", 11), nullptr);
  EXPECT_EQ(FindControl("cmdReset", 1), nullptr);
  EXPECT_EQ(FindControl("Timer1"), nullptr);
  EXPECT_EQ(FindControl(""), nullptr);
}

}  // namespace
}  // namespace mirt2
