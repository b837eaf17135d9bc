#include "control_table.h"

#include <algorithm>
#include <array>
#include <stdexcept>
#include <tuple>
#include <utility>
#include <vector>

#include "button_faces.h"

namespace mirt2 {
namespace {

constexpr FontStyle kPanelLabelFont{.points = 12.0, .bold = true};
constexpr FontStyle kButtonFont{.points = 10.5};
constexpr FontStyle kResetFont{.points = 7.5};
constexpr FontStyle kHeadingFont{.points = 9.0, .underline = true};
constexpr FontStyle kOptionFont{.points = 9.0, .bold = true};
constexpr FontStyle kStartTimeFont{.points = 10.5};
constexpr FontStyle kNowTimeFont{.points = 10.5, .bold = true};

struct Position {
  int left;
  int top;
};

// Only panel 1 lies inside the start-up client area; the display modes move the others in.
constexpr std::array<Position, kStopwatchCount> kPanelDesignPositions = {{
    {30, 0},
    {30, 2400},
    {30, 2880},
    {2880, 0},
    {2880, 480},
    {2880, 960},
    {2880, 1440},
    {2880, 1920},
    {2880, 2400},
    {2880, 2880},
}};

ControlRow Control(std::string_view name, int index, ControlKind kind, const ControlRef& container,
                   int left, int top, int width, int height) {
  ControlRow c;
  c.name = name;
  c.index = index;
  c.kind = kind;
  c.container = container;
  c.left = left;
  c.top = top;
  c.width = width;
  c.height = height;
  return c;
}

ControlRow Frame(std::string_view name, int index, Position at, int width, int height) {
  ControlRow c =
      Control(name, index, ControlKind::kFrame, {kWindowName}, at.left, at.top, width, height);
  c.back_color = kDarkGreen;
  c.bordered = true;
  return c;
}

ControlRow Label(std::string_view name, int index, const ControlRef& container, int left, int top,
                 int width, int height, std::string caption, FontStyle font, Colour fore,
                 LabelAlignment alignment) {
  ControlRow c = Control(name, index, ControlKind::kLabel, container, left, top, width, height);
  c.caption = std::move(caption);
  c.font = font;
  c.fore_color = fore;
  c.alignment = alignment;
  c.transparent = true;
  return c;
}

ControlRow Button(std::string_view name, int index, const ControlRef& container, int left, int top,
                  int width, int height, std::string_view caption, std::optional<FontStyle> font,
                  std::string_view tool_tip = {}) {
  ControlRow c =
      Control(name, index, ControlKind::kCommandButton, container, left, top, width, height);
  c.caption = caption;
  c.tool_tip = tool_tip;
  c.font = font;
  c.back_color = kBrightGreen;
  c.graphical = true;
  return c;
}

ControlRow OptionButton(std::string_view name, int left, int top, std::string_view caption,
                        bool selected) {
  ControlRow c = Control(name, 0, ControlKind::kOptionButton, {"fram2"}, left, top, 550, 180);
  c.caption = caption;
  c.font = kOptionFont;
  c.fore_color = kWhite;
  c.back_color = kDarkGreen;
  c.value = selected ? 1 : 0;
  return c;
}

// What a screen reader says for the control.
ControlRow Spoken(ControlRow c, std::string name, std::string description = {}) {
  c.accessible_name = std::move(name);
  c.accessible_description = std::move(description);
  return c;
}

// The ten panels are alike but for their index, their position and the number they show.
void AddPanel(std::vector<ControlRow>& rows, int i) {
  const ControlRef panel{"fram1", i};
  const std::string stopwatch = "ストップウォッチ " + std::to_string(i);
  rows.push_back(Spoken(Frame("fram1", i, kPanelDesignPositions.at(i - 1), 2750, 500), stopwatch));
  rows.push_back(Spoken(Label("lblNo", i, panel, 50, 170, 400, 252, std::to_string(i) + "-",
                              kPanelLabelFont, kWhite, LabelAlignment::kCentred),
                        stopwatch + " の番号"));
  rows.push_back(Spoken(Label("lblJikan", i, panel, 500, 180, 1056, 252, std::string(kZeroText),
                              kPanelLabelFont, kLightYellow, LabelAlignment::kCentred),
                        stopwatch + " の経過時間"));
  rows.push_back(Spoken(Button("cmdStr", i, panel, 1700, 130, 440, 350, "始", kButtonFont),
                        stopwatch + " を開始",
                        "経過時間を 0 から計り始めます。計測中なら 0 から計り直します"));
  rows.push_back(Spoken(Button("cmdStp", i, panel, 2220, 130, 440, 350, "止", kButtonFont),
                        stopwatch + " を停止", "経過時間の表示をその時点で止めます"));
}

void AddControlPanel(std::vector<ControlRow>& rows) {
  const ControlRef panel{"fram2"};
  rows.push_back(Spoken(Frame("fram2", 0, {0, 450}, 2800, 1030), "操作パネル"));
  rows.push_back(Spoken(Label("lblStrt", 0, panel, 100, 120, 732, 204, "開始時刻", kHeadingFont,
                              kWhite, LabelAlignment::kLeft),
                        "開始時刻の見出し"));
  rows.push_back(Spoken(Label("lblIma", 0, panel, 1000, 120, 732, 204, "現在時刻", kHeadingFont,
                              kWhite, LabelAlignment::kLeft),
                        "現在時刻の見出し"));
  rows.push_back(Spoken(
      Button("cmdReset", 0, panel, 1880, 130, 200, 220, "0", kResetFont, "\"０\"に戻します"),
      "表示を 0 に戻す", "すべてのストップウォッチを止め、時間の表示を 00:00:00 に戻します"));
  for (const auto& [name, left, top, count, selected] : {
           std::tuple{"opt1", 2400, 80, "1", true},
           std::tuple{"opt5", 2160, 250, "5", false},
           std::tuple{"opt10", 1920, 430, "10", false},
       }) {
    rows.push_back(Spoken(OptionButton(name, left, top, count, selected),
                          std::string(count) + " 個表示",
                          "ストップウォッチを " + std::string(count) + " 個表示します"));
  }
  rows.push_back(Control("chk1", 0, ControlKind::kCheckBox, panel, 2550, 400, 180, 180));
  rows.back().tool_tip = "オプション";
  rows.back().back_color = kDarkGreen;
  rows.back().value = 0;
  // The check box has no caption, so its name alone tells what it is.
  rows.back().accessible_name = "オプションを表示";
  rows.back().accessible_description =
      "文字色、ボタンの色、背景色、コピー、常に前面のボタンを表示します";
  rows.push_back(Spoken(Label("lblStrJikan", 0, panel, 30, 350, 850, 252, std::string(kZeroText),
                              kStartTimeFont, kWhite, LabelAlignment::kCentred),
                        "開始時刻"));
  rows.push_back(Spoken(Label("lblImaJikan", 0, panel, 900, 350, 950, 252, std::string(kZeroText),
                              kNowTimeFont, kWhite, LabelAlignment::kCentred),
                        "現在時刻"));
  rows.push_back(Spoken(Button("cmdEnd", 0, panel, 120, 650, 700, 320, "終了", kButtonFont),
                        "プログラムを終了"));
  rows.push_back(Spoken(Button("cmbAlStr", 0, panel, 880, 650, 900, 320, "全部始", kButtonFont),
                        "すべてのストップウォッチを開始"));
  // Of the two marks the start-all button may carry, Enter suits it better than Esc: focus
  // starts on it, and a stray Esc must not start every stopwatch.
  rows.back().default_button = true;
  rows.push_back(Spoken(Button("cmdAlStp", 0, panel, 1830, 650, 900, 320, "全部止", kButtonFont),
                        "すべてのストップウォッチを停止"));
}

void AddOptionsPanel(std::vector<ControlRow>& rows) {
  const ControlRef panel{"fram3"};
  rows.push_back(Spoken(Frame("fram3", 0, {0, 1440}, 2800, 492), "オプションパネル"));
  rows.back().visible = false;
  // The buttons leave the description to their tool tips, which the copy and always-on-top
  // buttons change as they announce their next action.
  struct PanelButton {
    std::string_view name;
    int left;
    int width;
    std::string_view caption;
    std::string_view tool_tip;
    std::string_view spoken;
  };
  static constexpr PanelButton kButtons[] = {
      {"cmdMoji", 50, 550, "字色", "ボタン以外の文字色を変えます", "文字色を変更"},
      {"cmdButn", 540, 600, "ボタン", "ボタンの色を変えます（文字色は変わりません）",
       "ボタンの色を変更"},
      {"cmdHaikei", 1070, 550, "背色", "背景色を変えます", "背景色を変更"},
      {"cmdCopy", 1650, 620, "コピー", kCopyUnnumberedTip, "経過時間をクリップボードにコピー"},
      {"cmdMae", 2300, 500, kMaeToFront.caption, kMaeToFront.tool_tip, kMaeToFront.accessible_name},
  };
  for (const PanelButton& b : kButtons) {
    rows.push_back(Spoken(
        Button(b.name, 0, panel, b.left, 130, b.width, 300, b.caption, std::nullopt, b.tool_tip),
        std::string(b.spoken)));
  }
}

std::vector<ControlRef> TabOrder() {
  std::vector<ControlRef> order = {{"cmbAlStr"}, {"cmdAlStp"}};
  for (int i = 1; i <= kStopwatchCount; ++i) {
    order.push_back({"cmdStr", i});
    order.push_back({"cmdStp", i});
  }
  order.insert(order.end(), {{"cmdReset"},
                             {"opt1"},
                             {"opt5"},
                             {"opt10"},
                             {"chk1"},
                             {"cmdEnd"},
                             {"fram1", 1},
                             {"lblJikan", 1},
                             {"lblNo", 1},
                             {"fram2"},
                             {"lblIma"},
                             {"lblStrt"},
                             {"lblImaJikan"},
                             {"lblStrJikan"}});
  for (int i = 2; i <= kStopwatchCount; ++i) {
    order.insert(order.end(), {{"fram1", i}, {"lblNo", i}, {"lblJikan", i}});
  }
  order.insert(order.end(),
               {{"fram3"}, {"cmdMae"}, {"cmdMoji"}, {"cmdHaikei"}, {"cmdCopy"}, {"cmdButn"}});
  return order;
}

std::vector<ControlRow> BuildTable() {
  std::vector<ControlRow> rows;
  rows.push_back(Control(kWindowName, 0, ControlKind::kWindow, {}, 7215, 5790, 5700, 3480));
  rows.back().caption = "ミルテス-２";
  rows.back().accessible_name = rows.back().caption;
  rows.back().back_color = kDarkGreen;
  for (int i = 1; i <= kStopwatchCount; ++i) AddPanel(rows, i);
  AddControlPanel(rows);
  AddOptionsPanel(rows);

  const std::vector<ControlRef> order = TabOrder();
  for (std::size_t n = 0; n < order.size(); ++n) {
    auto row = std::find_if(rows.begin(), rows.end(),
                            [&](const ControlRow& c) { return c.Ref() == order[n]; });
    if (row == rows.end()) throw std::logic_error("tab order names a missing control");
    row->tab_index = static_cast<int>(n);
  }
  return rows;
}

}  // namespace

std::span<const ControlRow> ControlTable() {
  static const std::vector<ControlRow> table = BuildTable();
  return table;
}

const ControlRow* FindControl(std::string_view name, int index) {
  const auto table = ControlTable();
  auto row = std::find_if(table.begin(), table.end(),
                          [&](const ControlRow& c) { return c.name == name && c.index == index; });
  return row == table.end() ? nullptr : &*row;
}

}  // namespace mirt2
