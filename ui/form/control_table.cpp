#include "control_table.h"

#include <QCheckBox>
#include <QFrame>
#include <QRadioButton>
#include <QStringList>
#include <algorithm>
#include <optional>
#include <string>
#include <utility>

#include "arrow_order.h"
#include "caption_label.h"
#include "colour.h"
#include "face_button.h"
#include "focus_mark.h"
#include "twips.h"

namespace mirt2 {

namespace {

// Every named font of the window is the same face; only size and style differ.
struct FontStyle {
  double points = 9.0;
  bool bold = false;
  bool underline = false;
};

// The design face first; the others are metric-compatible or look-alike Japanese
// proportional gothics for systems that lack it.
constexpr std::array<std::string_view, 8> kFontFaces = {
    "ＭＳ Ｐゴシック",  "MS PGothic",         "IPAPGothic", "IPAexGothic",
    "Noto Sans CJK JP", "Source Han Sans JP", "VL PGothic", "TakaoPGothic",
};

// Design-time properties of one control. Lengths are twips, relative to the container.
struct ControlRow {
  std::string name;  // "cmdStr(3)": the object name, for the developer's tools and UI Automation
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  std::string caption;
  std::string tool_tip;
  std::optional<FontStyle> font;  // none: the window's default font
  std::optional<Colour> fore_color;
  std::optional<Colour> back_color;  // none on labels: the frame's colour shows through
  bool centred = false;              // labels; the others are left-aligned
  bool visible = true;
  bool value = false;            // option button selected, check box checked
  std::optional<int> tab_index;  // the controls that take the focus
  bool default_button = false;   // Enter presses it from anywhere in the window
  // What a screen reader says for the control. A button's name says what it does, since its
  // caption is often a single character; a label's name says what its caption shows.
  std::string accessible_name;
  // Said after the name. Empty where the tool tip serves, or where the name says it all.
  std::string accessible_description;
};

// Edges rather than sizes are rounded, so that neighbours that touch in twips
// touch in pixels.
QRect PixelRect(const ControlRow& row) {
  const int left = TwipsToPixels(row.left);
  const int top = TwipsToPixels(row.top);
  return {left, top, TwipsToPixels(row.left + row.width) - left,
          TwipsToPixels(row.top + row.height) - top};
}

// The design font: the face list with its fallbacks, at the given size and style.
QFont DesignFont(const FontStyle& style, const QFont& base) {
  QFont font = base;
  QStringList faces;
  for (std::string_view face : kFontFaces) faces << QString::fromUtf8(face);
  font.setFamilies(faces);
  font.setPointSizeF(style.points);
  font.setBold(style.bold);
  font.setUnderline(style.underline);
  return font;
}

// The palette's colours: the text, and the background a control fills itself (none on a
// label: its frame shows through). A command button shows its back colour on its face.
void Paint(QWidget& control, const ControlRow& row) {
  if (row.fore_color) SetColour(control, QPalette::WindowText, *row.fore_color);
  if (row.back_color) {
    SetColour(control, QPalette::Window, *row.back_color);
    control.setAutoFillBackground(true);
  }
}

// The properties every control and the window take from their rows.
void Name(QWidget& widget, const ControlRow& row) {
  widget.setObjectName(QString::fromUtf8(row.name));
  if (!row.accessible_name.empty())
    widget.setAccessibleName(QString::fromUtf8(row.accessible_name));
  if (!row.accessible_description.empty()) {
    widget.setAccessibleDescription(QString::fromUtf8(row.accessible_description));
  }
  Paint(widget, row);
}

// Makes the controls of a window from their rows, each as the kind of its member, so that no
// row can be made into the wrong kind of control. A container is made before what it holds.
class ControlMaker {
 public:
  // Gives the window its own properties from its row.
  ControlMaker(QWidget& window, const ControlRow& row, std::vector<QWidget*>& all)
      : window_(window), all_(all) {
    Name(window, row);
    window.setWindowTitle(QString::fromUtf8(row.caption));
    // Every control sits where its twips put it: the window has one direction, whatever
    // direction a translation of Qt gives the application (Hebrew, Arabic, -reverse).
    window.setLayoutDirection(Qt::LeftToRight);
    // Controls that name no font take the window's: the design face at 9 pt.
    window.setFont(DesignFont(FontStyle{}, window.font()));
  }

  void Make(QFrame*& frame, QWidget* container, const ControlRow& row) {
    frame = new QFrame(container);
    frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Place(*frame, row);
  }

  void Make(CaptionLabel*& label, QWidget* container, const ControlRow& row) {
    label = new CaptionLabel(QString::fromUtf8(row.caption), container);
    label->setAlignment((row.centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
    Place(*label, row);
  }

  void Make(FaceButton*& button, QWidget* container, const ControlRow& row) {
    button = new FaceButton(QString::fromUtf8(row.caption), container);
    button->SetWindowDefault(row.default_button);
    if (row.default_button) default_button_ = button;
    if (row.back_color) button->SetFace(ToQColor(*row.back_color));
    Place(*button, row);
  }

  // An option button or the check box: it draws on its frame's colours, with a focus mark.
  template <class Box>
  void Make(Box*& box, QWidget* container, const ControlRow& row) {
    box = new Box(QString::fromUtf8(row.caption), container);
    // Buttons paint on the Button role; these take the frame's colours.
    box->setBackgroundRole(QPalette::Window);
    box->setForegroundRole(QPalette::WindowText);
    box->setChecked(row.value);
    marked_.push_back(box);
    Place(*box, row);
  }

  // After the last control: the tab order of the rows' tab indexes, and the focus marks.
  // Returns the button Enter presses.
  FaceButton* Finish() {
    // Made last, so that it outlives the controls that use it.
    auto* focus_marks = new FocusMarkStyle();
    focus_marks->setParent(&window_);
    for (QWidget* control : marked_) control->setStyle(focus_marks);
    std::stable_sort(tab_stops_.begin(), tab_stops_.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t n = 1; n < tab_stops_.size(); ++n) {
      QWidget::setTabOrder(tab_stops_[n - 1].second, tab_stops_[n].second);
    }
    return default_button_;
  }

 private:
  void Place(QWidget& control, const ControlRow& row) {
    Name(control, row);
    if (!row.tool_tip.empty()) control.setToolTip(QString::fromUtf8(row.tool_tip));
    if (row.font) control.setFont(DesignFont(*row.font, control.font()));
    control.setGeometry(PixelRect(row));
    if (!row.visible) control.hide();
    if (row.tab_index && control.focusPolicy() != Qt::NoFocus) {
      tab_stops_.emplace_back(*row.tab_index, &control);
    }
    all_.push_back(&control);
  }

  QWidget& window_;
  std::vector<QWidget*>& all_;
  std::vector<std::pair<int, QWidget*>> tab_stops_;
  std::vector<QWidget*> marked_;
  FaceButton* default_button_ = nullptr;
};

constexpr FontStyle kPanelLabelFont{.points = 12.0, .bold = true};
constexpr FontStyle kButtonFont{.points = 10.5};
constexpr FontStyle kResetFont{.points = 7.5};
constexpr FontStyle kHeadingFont{.points = 9.0, .underline = true};
constexpr FontStyle kOptionFont{.points = 9.0, .bold = true};
constexpr FontStyle kStartTimeFont{.points = 10.5};
constexpr FontStyle kNowTimeFont{.points = 10.5, .bold = true};

// Left and Top of the ten panels. Only panel 1 lies inside the start-up client area; the
// display modes move the others in.
constexpr int kPanelDesignPositions[kStopwatchCount][2] = {
    {30, 0},     {30, 2400},   {30, 2880},   {2880, 0},    {2880, 480},
    {2880, 960}, {2880, 1440}, {2880, 1920}, {2880, 2400}, {2880, 2880},
};

struct Box {
  int left, top, width, height;
};

ControlRow At(std::string name, Box box) {
  ControlRow row;
  row.name = std::move(name);
  row.left = box.left;
  row.top = box.top;
  row.width = box.width;
  row.height = box.height;
  return row;
}

ControlRow Frame(std::string name, Box box, std::string spoken) {
  ControlRow row = At(std::move(name), box);
  row.back_color = kDarkGreen;
  row.accessible_name = std::move(spoken);
  return row;
}

ControlRow Label(std::string name, Box box, std::string caption, FontStyle font, Colour fore,
                 bool centred, std::string spoken) {
  ControlRow row = At(std::move(name), box);
  row.caption = std::move(caption);
  row.font = font;
  row.fore_color = fore;
  row.centred = centred;
  row.accessible_name = std::move(spoken);
  return row;
}

// Every command button is drawn in the graphical style: its face shows the bright green.
ControlRow Button(std::string name, Box box, std::string_view caption,
                  std::optional<FontStyle> font, int tab_index, std::string_view spoken,
                  std::string_view description = {}, std::string_view tool_tip = {}) {
  ControlRow row = At(std::move(name), box);
  row.caption = caption;
  row.tool_tip = tool_tip;
  row.font = font;
  row.back_color = kBrightGreen;
  row.tab_index = tab_index;
  row.accessible_name = spoken;
  row.accessible_description = description;
  return row;
}

ControlRow Option(const DisplayModeRow& mode, bool selected) {
  ControlRow row = At(std::string(mode.option), {mode.option_left, mode.option_top, 550, 180});
  row.caption = mode.caption;
  row.font = kOptionFont;
  row.fore_color = kWhite;
  row.back_color = kDarkGreen;
  row.value = selected;
  row.tab_index = mode.tab_index;
  row.accessible_name = mode.accessible_name;
  row.accessible_description =
      "ストップウォッチを " + std::to_string(mode.panels) + " 個表示します";
  return row;
}

}  // namespace

// The control table: each control's design-time properties, in the order the controls are
// made. Tab indexes are the design's: 0 and 1 start and stop all, 2 to 21 the panels' buttons.
void BuildControls(QWidget& window, FormControls& c) {
  ControlRow form;
  form.name = "frmMirt2";
  form.caption = "ミルテス-２";
  form.back_color = kDarkGreen;
  form.accessible_name = form.caption;
  ControlMaker make(window, form, c.all);

  // The ten panels are alike but for their index, their position and the number they show.
  for (int i = 1; i <= kStopwatchCount; ++i) {
    const auto n = static_cast<std::size_t>(i - 1);
    const std::string index = "(" + std::to_string(i) + ")";
    const std::string stopwatch = "ストップウォッチ " + std::to_string(i);
    const auto [left, top] = kPanelDesignPositions[n];
    make.Make(c.fram1[n], &window, Frame("fram1" + index, {left, top, 2750, 500}, stopwatch));
    make.Make(c.lblNo[n], c.fram1[n],
              Label("lblNo" + index, {50, 170, 400, 252}, std::to_string(i) + "-", kPanelLabelFont,
                    kWhite, true, stopwatch + " の番号"));
    make.Make(c.lblJikan[n], c.fram1[n],
              Label("lblJikan" + index, {500, 180, 1056, 252}, std::string(kZeroText),
                    kPanelLabelFont, kLightYellow, true, stopwatch + " の経過時間"));
    make.Make(c.cmdStr[n], c.fram1[n],
              Button("cmdStr" + index, {1700, 130, 440, 350}, "始", kButtonFont, 2 * i,
                     stopwatch + " を開始",
                     "経過時間を 0 から計り始めます。計測中なら 0 から計り直します"));
    make.Make(c.cmdStp[n], c.fram1[n],
              Button("cmdStp" + index, {2220, 130, 440, 350}, "止", kButtonFont, 2 * i + 1,
                     stopwatch + " を停止", "経過時間の表示をその時点で止めます"));
  }

  make.Make(c.fram2, &window, Frame("fram2", {0, 450, 2800, 1030}, "操作パネル"));
  make.Make(c.lblStrt, c.fram2,
            Label("lblStrt", {100, 120, 732, 204}, "開始時刻", kHeadingFont, kWhite, false,
                  "開始時刻の見出し"));
  make.Make(c.lblIma, c.fram2,
            Label("lblIma", {1000, 120, 732, 204}, "現在時刻", kHeadingFont, kWhite, false,
                  "現在時刻の見出し"));
  make.Make(c.cmdReset, c.fram2,
            Button("cmdReset", {1880, 130, 200, 220}, "0", kResetFont, 22, "表示を 0 に戻す",
                   "すべてのストップウォッチを止め、時間の表示を 00:00:00 に戻します",
                   "\"０\"に戻します"));
  std::vector<QAbstractButton*> arrow_order(kDisplayModeCount);
  for (std::size_t n = 0; n < kDisplayModeCount; ++n) {
    make.Make(c.opt[n], c.fram2, Option(kDisplayModes[n], n == 0));
    arrow_order.at(static_cast<std::size_t>(kDisplayModes[n].arrow_place)) = c.opt[n];
  }
  new ArrowOrder(std::move(arrow_order), &window);
  // The check box has no caption, so its name alone tells what it is.
  ControlRow check = At("chk1", {2550, 400, 180, 180});
  check.tool_tip = "オプション";
  check.back_color = kDarkGreen;
  check.tab_index = 26;
  check.accessible_name = "オプションを表示";
  check.accessible_description = "文字色、ボタンの色、背景色、コピー、常に前面のボタンを表示します";
  make.Make(c.chk1, c.fram2, check);
  make.Make(c.lblStrJikan, c.fram2,
            Label("lblStrJikan", {30, 350, 850, 252}, std::string(kZeroText), kStartTimeFont,
                  kWhite, true, "開始時刻"));
  make.Make(c.lblImaJikan, c.fram2,
            Label("lblImaJikan", {900, 350, 950, 252}, std::string(kZeroText), kNowTimeFont, kWhite,
                  true, "現在時刻"));
  make.Make(c.cmdEnd, c.fram2,
            Button("cmdEnd", {120, 650, 700, 320}, "終了", kButtonFont, 27, "プログラムを終了"));
  ControlRow start_all = Button("cmbAlStr", {880, 650, 900, 320}, "全部始", kButtonFont, 0,
                                "すべてのストップウォッチを開始");
  // Of the two marks the start-all button may carry, Enter suits it better than Esc: focus
  // starts on it, and a stray Esc must not start every stopwatch.
  start_all.default_button = true;
  make.Make(c.cmbAlStr, c.fram2, start_all);
  make.Make(c.cmdAlStp, c.fram2,
            Button("cmdAlStp", {1830, 650, 900, 320}, "全部止", kButtonFont, 1,
                   "すべてのストップウォッチを停止"));

  ControlRow options = Frame("fram3", {0, 1440, 2800, 492}, "オプションパネル");
  options.visible = false;
  make.Make(c.fram3, &window, options);
  // These buttons leave the description to their tool tips, which the copy and always-on-top
  // buttons change as they announce their next action.
  make.Make(c.cmdMoji, c.fram3,
            Button("cmdMoji", {50, 130, 550, 300}, "字色", std::nullopt, 65, "文字色を変更", {},
                   "ボタン以外の文字色を変えます"));
  make.Make(c.cmdButn, c.fram3,
            Button("cmdButn", {540, 130, 600, 300}, "ボタン", std::nullopt, 68, "ボタンの色を変更",
                   {}, "ボタンの色を変えます（文字色は変わりません）"));
  make.Make(c.cmdHaikei, c.fram3,
            Button("cmdHaikei", {1070, 130, 550, 300}, "背色", std::nullopt, 66, "背景色を変更", {},
                   "背景色を変えます"));
  make.Make(c.cmdCopy, c.fram3,
            Button("cmdCopy", {1650, 130, 620, 300}, "コピー", std::nullopt, 67,
                   "経過時間をクリップボードにコピー", {}, kCopyUnnumberedTip));
  make.Make(c.cmdMae, c.fram3,
            Button("cmdMae", {2300, 130, 500, 300}, kMaeToFront.caption, std::nullopt, 64,
                   kMaeToFront.accessible_name, {}, kMaeToFront.tool_tip));
  c.default_button = make.Finish();
}

QRadioButton* FormControls::Option(int panels) const {
  const DisplayModeRow* const mode = FindDisplayMode(panels);
  return mode == nullptr ? nullptr : opt.at(static_cast<std::size_t>(mode - kDisplayModes.data()));
}

}  // namespace mirt2
