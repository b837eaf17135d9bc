// Windows' restart registration as the window keeps it, through the platform layer's calls:
// Wine takes RegisterApplicationRestart and keeps nothing, so the calls are recorded here.
#include <gtest/gtest.h>

#include <QApplication>
#include <QEvent>
#include <QTest>
#include <string>

#include "face_button.h"
#include "frm_mirt2.h"
#include "restart_registration.h"
#include "scripted_clock.h"
#include "scripted_services.h"

namespace mirt2 {
namespace {

struct Recorded {
  std::wstring command_line;
  unsigned long flags = 99;
  int registrations = 0;
  int withdrawals = 0;
};
Recorded recorded;

class RegistrationTest : public ::testing::Test {
 protected:
  RegistrationTest() : windows_(RestartCallsInUse()) {
    recorded = {};
    RestartCallsInUse() = {[](const wchar_t* command_line, unsigned long flags) -> long {
                             recorded.command_line = command_line;
                             recorded.flags = flags;
                             ++recorded.registrations;
                             return 0;
                           },
                           []() -> long {
                             ++recorded.withdrawals;
                             return 0;
                           }};
    window_.Timer1().stop();
    window_.Form_Load();
    window_.show();
  }
  ~RegistrationTest() override { RestartCallsInUse() = windows_; }

  [[nodiscard]] std::wstring Expected() {
    const std::string text = "--restore " + window_.StateText();
    return {text.begin(), text.end()};
  }

  RestartCalls windows_;
  testing::ScriptedClock clock_{testing::Hms("9:00:00")};
  testing::ScriptedPicker picker_;
  testing::RecordingClipboard clipboard_;
  testing::RecordingStacking stacking_;
  SystemSessionKeeper session_;
  frmMirt2 window_{{clock_, picker_, clipboard_, stacking_, session_}, TimePattern::Default()};
};

// Registered from the start, again at each change, with no flag: restarts after updates,
// reboots, crashes and hangs are all wanted. The person's close withdraws it.
TEST_F(RegistrationTest, FollowsEachChangeAndThePersonsEndWithdrawsIt) {
  ASSERT_GE(recorded.registrations, 1);
  EXPECT_EQ(recorded.command_line, Expected());
  EXPECT_EQ(recorded.flags, 0UL);
  window_.Controls().cmbAlStr->click();
  EXPECT_EQ(recorded.command_line, Expected());
  EXPECT_NE(recorded.command_line.find(L".w10=r"), std::wstring::npos);
  window_.Controls().cmdEnd->click();
  EXPECT_EQ(recorded.withdrawals, 1);
}

// Windows ends the session by telling the program to quit, which closes the window: the
// state stays registered.
TEST_F(RegistrationTest, TheSessionsEndLeavesItRegistered) {
  window_.Controls().cmbAlStr->click();
  QEvent quit(QEvent::Quit);
  QCoreApplication::sendEvent(qApp, &quit);
  EXPECT_FALSE(window_.isVisible());
  EXPECT_EQ(recorded.withdrawals, 0);
  EXPECT_EQ(recorded.command_line, Expected());
}

}  // namespace
}  // namespace mirt2
