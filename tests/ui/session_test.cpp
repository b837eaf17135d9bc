#include <gtest/gtest.h>

#include <QCheckBox>
#include <QMessageBox>
#include <QRadioButton>
#include <QTest>
#include <string>
#include <utility>
#include <vector>

#include "session_state.h"
#include "window_fixture.h"

namespace mirt2 {
namespace {

using testing::RecordingSessionKeeper;
using testing::RecordingStacking;
using testing::WindowTest;

SessionState Decoded(const std::string& text) {
  const DecodedState decoded = DecodeSessionState(text);
  EXPECT_TRUE(decoded.state) << text << ": " << decoded.problem;
  return decoded.state.value_or(SessionState{});
}

// Everything a person set comes back in a later run on the same boot, made again through the
// window's handlers: the layout with the options box ticked after it (4360 twips, not the
// layout's 4350), the place, colours, 前へ, the next copy's style and the times.
TEST_F(WindowTest, ComesBackAsThePersonLeftIt) {
  window_.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window_));
  opt(5)->click();
  C().chk1->click();
  window_.move(window_.x(), 300);
  picker_.Answer(0x0000FF);
  C().cmdMoji->click();
  picker_.Answer(0x112233);
  picker_.keep_ = 0x445566;
  C().cmdHaikei->click();
  C().cmdMae->click();
  C().cmdCopy->click();
  TickAt("9:00:00");
  C().cmbAlStr->click();
  TickAt("9:01:05");
  cmdStp(2)->click();
  TickAt("9:02:00");
  const std::string left_as = window_.StateText();

  clock_.RunTo("9:30:00");
  RecordingStacking stacking;
  RecordingSessionKeeper session;
  frmMirt2 back({clock_, picker_, clipboard_, stacking, session}, TimePattern::Default());
  back.Timer1().stop();
  back.Form_Load();
  const RestoreOutcome outcome = back.Restore(Decoded(left_as));
  ASSERT_TRUE(outcome.restored) << outcome.problem;
  EXPECT_FALSE(outcome.front_refused);
  back.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&back));

  const FormControls& c = back.Controls();
  EXPECT_EQ(c.lblJikan[0]->text(), "0:30:00");
  EXPECT_EQ(c.lblJikan[1]->text(), "0:01:05");
  EXPECT_EQ(c.lblStrJikan->text(), "9:00:00");
  EXPECT_TRUE(c.Option(5)->isChecked());
  EXPECT_EQ(c.chk1->checkState(), Qt::Checked);
  EXPECT_EQ(back.Geometry().Height(), 4360);
  EXPECT_EQ(back.height(), 263);
  EXPECT_EQ(back.Geometry().Top(), 300 * 15);
  EXPECT_EQ(back.frameGeometry().topLeft(), window_.frameGeometry().topLeft());
  EXPECT_FALSE(c.fram1[4]->isHidden());
  EXPECT_EQ(c.lblNo[6]->palette().color(QPalette::WindowText), QColor(255, 0, 0));
  EXPECT_EQ(c.fram1[9]->palette().color(QPalette::Window), QColor(0x33, 0x22, 0x11));
  EXPECT_EQ(c.cmdStr[0]->Face(), QColor(0, 255, 0)) << "the design's button colour";
  EXPECT_EQ(back.cmnDialog1().Color(), 0x112233U);
  EXPECT_EQ(back.cmnDialog1().Custom()[0], 0x445566U);
  EXPECT_EQ(stacking.calls_, std::vector<bool>{true});
  EXPECT_EQ(c.cmdMae->text(), QString::fromUtf8("元へ"));
  EXPECT_TRUE(back.SwithBang());
  EXPECT_EQ(c.cmdCopy->toolTip(),
            QString::fromUtf8("番号入りでタイマーの時間をクリップボードに送ります"));

  // And in full: the state it now keeps is the one it was given, but for the moment taken.
  ASSERT_FALSE(session.kept_.empty());
  SessionState kept = Decoded(session.kept_.back());
  SessionState given = Decoded(left_as);
  EXPECT_GT(kept.moment.real, given.moment.real);
  kept.moment = given.moment;
  EXPECT_EQ(EncodeSessionState(kept), EncodeSessionState(given));
}

// Only a change of what a person set reaches the keeper: on Windows each is a registration.
// Closing the window, whoever closes it, reaches it too.
TEST_F(WindowTest, TheKeeperHearsOfEachChangeAndOfNothingElse) {
  window_.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window_));
  const std::size_t before = session_.kept_.size();
  TickAt("9:00:01");
  C().cmdAlStp->click();
  C().cmdReset->click();
  EXPECT_EQ(session_.kept_.size(), before) << "no tick and no command that changed nothing";
  cmdStr(3)->click();
  EXPECT_EQ(Decoded(session_.kept_.back()).bank.stopwatches[2].kind,
            StopwatchSnapshot::Kind::kRunning);
  window_.move(window_.x(), 333);
  EXPECT_EQ(Decoded(session_.kept_.back()).window.top, 333);
  EXPECT_EQ(session_.kept_.size(), before + 2);
  C().cmdEnd->click();
  EXPECT_EQ(session_.closings_, 1);
}

// A state that cannot come back whole changes nothing.
TEST_F(WindowTest, AStateThatDoesNotFitChangesNothing) {
  C().cmbAlStr->click();
  const std::string before = window_.StateText();
  SessionState later = Decoded(before);
  later.moment.real += std::chrono::seconds(5);  // on this boot, after now
  SessionState odd_height = Decoded(before);
  odd_height.window.mode = 5;
  odd_height.window.options = true;
  odd_height.window.height = 4000;
  SessionState odd_mode = Decoded(before);
  odd_mode.window.mode = 7;
  std::vector<std::pair<SessionState, std::string>> rows{{odd_height, "height"},
                                                         {odd_mode, "mode"}};
  // Only where the system names its boots can a moment be known to lie ahead on this one.
  if (!later.moment.boot.empty()) rows.emplace_back(later, "later than now");
  for (const auto& [state, problem] : rows) {
    const RestoreOutcome outcome = window_.Restore(state);
    EXPECT_FALSE(outcome.restored);
    EXPECT_NE(outcome.problem.find(problem), std::string::npos) << outcome.problem;
    EXPECT_EQ(window_.StateText(), before);
  }
}

// 前へ on a desktop that keeps no window above the others comes back as an ordinary window with
// 前へ shown, and no box greets the person at login: the caller says so on the terminal.
TEST_F(WindowTest, FrontOnADesktopThatRefusesItComesBackOrdinary) {
  SessionState state = Decoded(window_.StateText());
  state.window.front = true;
  stacking_.refuse_ = true;
  const RestoreOutcome outcome = window_.Restore(state);
  EXPECT_TRUE(outcome.restored);
  EXPECT_TRUE(outcome.front_refused);
  EXPECT_FALSE(window_.SwithMae());
  EXPECT_EQ(C().cmdMae->text(), QString::fromUtf8("前へ"));
  EXPECT_TRUE(window_.findChildren<QMessageBox*>().isEmpty());
}

// A place on a screen that is gone comes back on the one there is, 800 pixels square: the
// client area whole, and the frame's top on it.
TEST_F(WindowTest, APlaceOffEveryScreenComesBackOnTheScreen) {
  SessionState state = Decoded(window_.StateText());
  state.window.left = 5000;
  state.window.top = -3000;
  ASSERT_TRUE(window_.Restore(state).restored);
  window_.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window_));
  EXPECT_TRUE(QRect(0, 0, 800, 800).contains(window_.geometry()))
      << window_.geometry().x() << "," << window_.geometry().y();
  EXPECT_EQ(window_.frameGeometry().top(), 0);
}

}  // namespace
}  // namespace mirt2
