// Tens of thousands of random clicks and keys on the live window, between
// ticks of a clock that runs on, sleeps, and is set forward, back and across
// midnight. After every
// action the window must agree with what the user could predict from the
// actions alone: the labels show the engine's texts, the geometry is what the
// design's numbers give, every colour group is one colour, and the copy and
// always-on-top buttons did what their last click asked.
//
// The colour picker is the scripted one: the real dialog never opens. The exit
// button is left for the end, when it must close the window.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QColorDialog>
#include <QLabel>
#include <QTest>
#include <array>
#include <chrono>
#include <deque>
#include <map>
#include <optional>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "caption_label.h"
#include "colour.h"
#include "face_button.h"
#include "window_fixture.h"

namespace mirt2 {
namespace {

using testing::WindowTest;

// A control as the design names it: "cmdStr", 3 for cmdStr(3); index 0 for a single control.
struct Ref {
  std::string name;
  int index = 0;
};

Ref RefOf(const QObject& control) {
  const std::string name = control.objectName().toStdString();
  const auto open = name.find('(');
  if (open == std::string::npos) return {name};
  return {name.substr(0, open), std::stoi(name.substr(open + 1))};
}

struct GroupMember {
  std::string name;
  QWidget* widget = nullptr;
  QColor design;  // as the window showed it before any colour was picked
};

using testing::Group;
using testing::MembersOf;

enum class Phase { kStopped, kRunning };

// The offscreen platform warns on every fixed-size change of the window, which
// every layout makes: thousands of lines that would bury a real failure.
QtMessageHandler previous_handler = nullptr;
void QuietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (message.contains(QLatin1String("does not support propagateSizeHints"))) return;
  if (previous_handler != nullptr) previous_handler(type, context, message);
}

class WindowMonkeyTest : public WindowTest {
 protected:
  static constexpr unsigned kSeed = 20261207;
  static constexpr int kUserActions = 20'000;

  void SetUp() override {
    previous_handler = qInstallMessageHandler(QuietHandler);
    std::vector<QWidget*> widgets = C().all;
    widgets.push_back(&window_);
    for (QWidget* widget : widgets) {
      auto* button = qobject_cast<QAbstractButton*>(widget);
      if (button == nullptr) continue;
      const Ref ref = RefOf(*button);
      // Connected after the window's own handlers, so this sees each click
      // once it has been handled, whatever produced it: a click or a key.
      QObject::connect(button, &QAbstractButton::clicked, [this, ref] { clicked_.push_back(ref); });
      if (ref.name != "cmdEnd") buttons_.push_back({ref, button});
    }
    for (Group group : {Group::kMoji, Group::kButton, Group::kBak}) {
      const std::set<std::string> names = MembersOf(group);
      for (QWidget* widget : widgets) {
        const std::string name = widget->objectName().toStdString();
        if (!names.contains(name)) continue;
        members_[Slot(group)].push_back({name, widget, Shown(group, *widget)});
      }
      ASSERT_EQ(members_[Slot(group)].size(), names.size());
    }
    // Where the frames start is the load handler's to say, and its test's to check.
    for (int i = 1; i <= kStopwatchCount; ++i) frames_.push_back(fram1(i));
    frames_.push_back(C().fram2);
    frames_.push_back(C().fram3);
    for (const QWidget* frame : frames_) {
      places_.push_back({frame->x() * 15, frame->y() * 15, !frame->isHidden()});
    }

    window_.show();
    window_.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window_));
  }

  void TearDown() override { qInstallMessageHandler(previous_handler); }

  static std::size_t Slot(Group group) { return static_cast<std::size_t>(group); }
  static QColor Shown(Group group, const QWidget& widget) {
    if (group == Group::kButton) return qobject_cast<const FaceButton*>(&widget)->Face();
    return widget.palette().color(group == Group::kMoji ? QPalette::WindowText : QPalette::Window);
  }

  int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng_); }

  void Fail(const std::string& what) {
    if (!failure_.empty()) return;
    std::ostringstream out;
    out << "seed " << kSeed << ", step " << step_ << ": " << what << "\nlast actions:";
    for (const std::string& a : recent_) out << "\n  " << a;
    failure_ = out.str();
  }

  void Note(std::string action) {
    recent_.push_back(std::move(action));
    if (recent_.size() > 12) recent_.pop_front();
  }

  // The clock runs on between ticks, the computer now and then sleeps, and the
  // wall clock is set: an hour either way, a fraction of a second, or back
  // across midnight.
  void Tick() {
    using std::chrono::milliseconds;
    const int dice = Pick(0, 999);
    std::string how = "tick";
    if (dice < 900) {
      clock_.Run(milliseconds(Pick(0, 1000)));
    } else if (dice < 930) {
      clock_.Run(std::chrono::seconds(Pick(2, 3600)));
      how += " after a sleep";
    } else if (dice < 950) {
      clock_.Step(std::chrono::hours(1));
      how += " an hour on";
    } else if (dice < 970) {
      clock_.Step(-std::chrono::hours(1));
      how += " an hour back";
    } else if (dice < 985) {
      clock_.Step(milliseconds(Pick(-990, 990)));
      how += " set by a fraction";
    } else {
      clock_.Step(-std::chrono::hours(Pick(1, 23)));
      how += " set back hours";
    }
    Note(how + " at " + window_.Bank().ImaJikanText());
    window_.Timer1_Timer();
  }

  // A picker answer for the next opening, if none waits yet: a colour or a cancel.
  void QueueAnswer() {
    if (!answers_.empty()) return;
    std::optional<Colour> answer;
    if (Pick(0, 3) != 0) answer = static_cast<Colour>(Pick(0, 0xFFFFFF));
    answers_.push_back(answer);
    picker_.Answer(answer);
  }

  static bool IsColourButton(const Ref& ref) {
    return ref.name == "cmdMoji" || ref.name == "cmdButn" || ref.name == "cmdHaikei";
  }

  void ClickSomething() {
    std::vector<std::size_t> candidates;
    for (std::size_t n = 0; n < buttons_.size(); ++n) {
      const QAbstractButton* b = buttons_[n].second;
      if (b->isVisible() && b->isEnabled()) candidates.push_back(n);
    }
    if (candidates.empty()) return Fail("no button to click");
    const auto& [ref, button] = buttons_[candidates[static_cast<std::size_t>(
        Pick(0, static_cast<int>(candidates.size()) - 1))]];
    if (IsColourButton(ref)) QueueAnswer();
    Note("click " + button->objectName().toStdString());
    button->click();
  }

  void PressKey() {
    struct Key {
      Qt::Key key;
      Qt::KeyboardModifiers modifiers;
      const char* name;
    };
    static constexpr std::array<Key, 6> kKeys = {{
        {Qt::Key_Tab, Qt::NoModifier, "Tab"},
        {Qt::Key_Backtab, Qt::ShiftModifier, "Shift+Tab"},
        {Qt::Key_Return, Qt::NoModifier, "Return"},
        {Qt::Key_Enter, Qt::KeypadModifier, "Enter"},
        {Qt::Key_Space, Qt::NoModifier, "Space"},
        {Qt::Key_Escape, Qt::NoModifier, "Escape"},
    }};
    Key key = kKeys[static_cast<std::size_t>(Pick(0, static_cast<int>(kKeys.size()) - 1))];
    QWidget* focus = QApplication::focusWidget();
    if (focus == nullptr) focus = &window_;
    const bool presses =
        key.key == Qt::Key_Return || key.key == Qt::Key_Enter || key.key == Qt::Key_Space;
    if (presses && focus == C().cmdEnd) key = kKeys[0];  // the exit waits for the end
    for (const auto& [ref, button] : buttons_) {
      if (button == focus && IsColourButton(ref)) QueueAnswer();
    }
    Note(std::string(key.name) + " on " + focus->objectName().toStdString());
    QTest::keyClick(focus, key.key, key.modifiers);
  }

  // What each handled click should have done, from the click alone.
  void FollowClicks() {
    for (const Ref& ref : clicked_) {
      const std::string_view name = ref.name;
      // A start takes its start time at once.
      if (name == "cmdStr") {
        runs_[static_cast<std::size_t>(ref.index - 1)] = Phase::kRunning;
      } else if (name == "cmdStp") {
        runs_[static_cast<std::size_t>(ref.index - 1)] = Phase::kStopped;
      } else if (name == "cmbAlStr") {
        runs_.fill(Phase::kRunning);
      } else if (name == "cmdAlStp" || name == "cmdReset") {
        runs_.fill(Phase::kStopped);
      } else if (name.starts_with("opt")) {
        ChooseMode(testing::DesignModeOf(std::stoi(std::string(name.substr(3)))));
      } else if (name == "chk1") {
        checked_ = !checked_;
        height_ += checked_ ? 430 : -430;
        PlaceOptionsPanel();
      } else if (name == "cmdCopy") {
        ExpectReport();
        numbered_ = !numbered_;
      } else if (IsColourButton(ref)) {
        FollowColourPick(ref);
      } else if (name == "cmdMae") {
        in_front_ = !in_front_;
        if (stacking_.calls_.empty() || stacking_.calls_.back() != in_front_) {
          Fail("always-on-top did not reach the window stacking");
        }
        const char* caption = in_front_ ? "元へ" : "前へ";
        if (C().cmdMae->text() != QString::fromUtf8(caption)) {
          Fail("cmdMae does not announce its next action");
        }
      } else if (name == "cmdEnd") {
        Fail("the exit button was pressed");
      }
    }
    clicked_.clear();
  }

  // The design's layout of a mode; panels stacked 507 twips apart from the top.
  void ChooseMode(const testing::DesignMode& design) {
    const int mode = design.panels;
    mode_ = mode;
    top_ = design.top;
    places_[10].top = design.fram2_top;
    height_ = checked_ ? design.shown_height : design.hidden_height;
    PlaceOptionsPanel();
    for (std::size_t n = 0; n < 10; ++n) {
      places_[n].visible = static_cast<int>(n) < mode;
      if (places_[n].visible && mode > 1) places_[n].left = 30;
      if (places_[n].visible) places_[n].top = 507 * static_cast<int>(n);
    }
  }
  void PlaceOptionsPanel() {
    if (checked_) places_[11].top = height_ - 920;
    places_[11].visible = checked_;
  }

  // One line per panel shown, CR LF between them, numbered "1－" (U+FF0D) every other time.
  void ExpectReport() {
    std::string expected;
    for (int i = 1; i <= mode_; ++i) {
      if (i > 1) expected += "\r\n";
      if (numbered_) expected += std::to_string(i) + "\xEF\xBC\x8D";
      expected += lblJikan(i)->text().toStdString();
    }
    if (clipboard_.text_ != expected) {
      Fail("clipboard holds \"" + clipboard_.text_.value_or("(nothing)") + "\", want \"" +
           expected + "\"");
    }
  }

  void FollowColourPick(const Ref& ref) {
    if (picker_.opened_on_.size() != ++openings_) return Fail("the colour picker did not open");
    if (picker_.opened_on_.back() != picker_colour_) {
      return Fail("the picker opened on another colour than the last one confirmed");
    }
    std::optional<Colour> answer;
    if (!answers_.empty()) {
      answer = answers_.front();
      answers_.pop_front();
    }
    if (!answer) return;
    picker_colour_ = *answer;
    const Group group = ref.name == "cmdMoji"   ? Group::kMoji
                        : ref.name == "cmdButn" ? Group::kButton
                                                : Group::kBak;
    chosen_[Slot(group)] = ToQColor(*answer);
  }

  void Check() {
    const StopwatchBank& bank = window_.Bank();
    const auto label_shows = [this](const CaptionLabel* label, const std::string& text) {
      if (label->text() != QString::fromStdString(text)) {
        Fail(label->objectName().toStdString() + " shows \"" + label->text().toStdString() +
             "\", the engine \"" + text + "\"");
      }
    };
    label_shows(C().lblStrJikan, bank.StrJikanText());
    label_shows(C().lblImaJikan, bank.ImaJikanText());
    for (int i = 1; i <= kStopwatchCount; ++i) {
      label_shows(lblJikan(i), bank.JikanText(i));
      const Phase want = runs_[static_cast<std::size_t>(i - 1)];
      if (bank.SwithT(i) != (want == Phase::kRunning) || bank.SwithJ(i)) {
        Fail("flags of stopwatch " + std::to_string(i));
      }
    }

    if (window_.DisplayMode().panels != mode_)
      Fail("display mode " + std::to_string(window_.DisplayMode().panels));
    if (C().chk1->checkState() != (checked_ ? Qt::Checked : Qt::Unchecked)) {
      Fail("check box " + std::to_string(C().chk1->checkState()));
    }
    if (window_.SwithBang() != numbered_) Fail("copy style");
    if (window_.SwithMae() != in_front_) Fail("always-on-top flag");
    if (!window_.isVisible()) Fail("the window closed");

    const OuterGeometry& g = window_.Geometry();
    if (g.Top() != top_ || g.Height() != height_ || g.Width() != testing::kDesignWidth) {
      Fail("window Top/Height/Width " + std::to_string(g.Top()) + "/" + std::to_string(g.Height()) +
           "/" + std::to_string(g.Width()) + ", want " + std::to_string(top_) + "/" +
           std::to_string(height_) + "/" + std::to_string(testing::kDesignWidth));
    }
    // The client area is the design's outer Height less its 420-twip frame.
    if (window_.frameGeometry().top() != Px(top_) || window_.height() != Px(height_ - 420)) {
      Fail("window pixels " + std::to_string(window_.frameGeometry().top()) + "+" +
           std::to_string(window_.height()));
    }
    for (std::size_t n = 0; n < frames_.size(); ++n) {
      const QWidget* frame = frames_[n];
      const Place& p = places_[n];
      if (frame->isVisible() != p.visible || frame->pos() != QPoint(Px(p.left), Px(p.top))) {
        Fail(frame->objectName().toStdString() + " at (" + std::to_string(frame->x()) + ", " +
             std::to_string(frame->y()) + ") visible " + std::to_string(frame->isVisible()) +
             ", want (" + std::to_string(Px(p.left)) + ", " + std::to_string(Px(p.top)) +
             ") visible " + std::to_string(p.visible));
      }
    }

    for (Group group : {Group::kMoji, Group::kButton, Group::kBak}) {
      const std::optional<QColor>& chosen = chosen_[Slot(group)];
      for (const GroupMember& m : members_[Slot(group)]) {
        const QColor shown = Shown(group, *m.widget);
        if (shown != chosen.value_or(m.design)) {
          Fail(m.name + " shows " + shown.name().toStdString() + ", its group " +
               chosen.value_or(m.design).name().toStdString());
        }
      }
    }
  }

  std::mt19937 rng_{kSeed};
  int step_ = 0;
  std::string failure_;
  std::deque<std::string> recent_;

  std::vector<std::pair<Ref, QAbstractButton*>> buttons_;
  std::vector<QWidget*> frames_;  // fram1(1) to fram1(10), fram2, fram3
  std::array<std::vector<GroupMember>, 3> members_;
  std::vector<Ref> clicked_;

  // What the actions so far should have produced, from the load handler's geometry on.
  struct Place {
    int left, top;
    bool visible;
  };
  std::vector<Place> places_;  // as frames_
  int top_ = 5530;
  int height_ = 1900;
  std::array<Phase, kStopwatchCount> runs_{};
  int mode_ = 1;
  bool checked_ = false;
  bool numbered_ = false;
  bool in_front_ = false;
  std::deque<std::optional<Colour>> answers_;
  std::size_t openings_ = 0;
  Colour picker_colour_ = 0;
  std::array<std::optional<QColor>, 3> chosen_;
};

TEST_F(WindowMonkeyTest, RandomClicksKeysAndTicksKeepTheWindowConsistent) {
  int user_actions = 0;
  int ticks = 0;
  Check();
  for (step_ = 1; user_actions < kUserActions && failure_.empty(); ++step_) {
    const int dice = Pick(0, 99);
    if (dice < 35) {
      Tick();
      ++ticks;
    } else if (dice < 70) {
      ClickSomething();
      ++user_actions;
    } else {
      PressKey();
      ++user_actions;
    }
    // As the event loop would between two events.
    QCoreApplication::processEvents();
    FollowClicks();
    Check();
  }
  ASSERT_TRUE(failure_.empty()) << failure_;

  for (QWidget* top : QApplication::topLevelWidgets()) {
    EXPECT_EQ(qobject_cast<QColorDialog*>(top), nullptr) << "a real colour dialog was made";
  }
  EXPECT_GT(ticks, kUserActions / 3);
  EXPECT_GT(openings_, 100U) << "the colour buttons should have been reached";
  EXPECT_GT(stacking_.calls_.size(), 20U);

  // The exit button, last: it closes the window.
  C().cmdEnd->click();
  EXPECT_FALSE(window_.isVisible()) << "seed " << kSeed;
}

}  // namespace
}  // namespace mirt2
