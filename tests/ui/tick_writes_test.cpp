// Ticks come on the second and after every command, but the shown times move
// once a second: the labels change on the tick that brings a new second and on
// no other.
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "handler_warnings.h"
#include "window_fixture.h"

namespace mirt2 {
namespace {

using std::chrono::milliseconds;
using testing::WindowTest;

class TickWritesTest : public WindowTest {
 protected:
  // The texts of the twelve time labels.
  std::vector<QString> Texts() const {
    std::vector<QString> texts{C().lblStrJikan->text(), C().lblImaJikan->text()};
    for (int i = 1; i <= kStopwatchCount; ++i) texts.push_back(lblJikan(i)->text());
    return texts;
  }
  // How many labels show another text than in `before`.
  long long ChangedSince(const std::vector<QString>& before) const {
    const std::vector<QString> now = Texts();
    long long changed = 0;
    for (std::size_t n = 0; n < now.size(); ++n) changed += now[n] != before[n] ? 1 : 0;
    return changed;
  }
  // Ticks `ticks` times, 100 ms apart, the first 100 ms on; returns how many
  // labels each tick changed.
  std::vector<long long> Run(int ticks) {
    std::vector<long long> writes;
    for (int t = 0; t < ticks; ++t) {
      clock_.Run(milliseconds(100));
      const std::vector<QString> before = Texts();
      window_.Timer1_Timer();
      writes.push_back(ChangedSince(before));
    }
    return writes;
  }
  // Writes on the first tick of each second, none on the other nine.
  static std::vector<long long> PerSecond(int ticks, long long on_change) {
    std::vector<long long> writes(static_cast<std::size_t>(ticks), 0);
    for (int t = 0; t < ticks; t += 10) writes[static_cast<std::size_t>(t)] = on_change;
    return writes;
  }
  void ExpectLabelsShowTheBank() {
    EXPECT_EQ(C().lblImaJikan->text().toStdString(), window_.Bank().ImaJikanText());
    EXPECT_EQ(C().lblStrJikan->text().toStdString(), window_.Bank().StrJikanText());
    for (int i = 1; i <= kStopwatchCount; ++i) {
      EXPECT_EQ(lblJikan(i)->text().toStdString(), window_.Bank().JikanText(i)) << i;
    }
  }
};

TEST_F(TickWritesTest, TenRunningStopwatchesSetElevenLabelsASecondAndNoneInBetween) {
  window_.opt10_Click();
  clock_.RunTo("8:59:57.9");

  // Before any start only the current time changes: one write a second.
  EXPECT_EQ(Run(20), PerSecond(20, 1));
  EXPECT_EQ(lblJikan(10)->text(), "00:00:00");

  const std::vector<QString> before = Texts();
  window_.cmbAlStr_Click();
  EXPECT_EQ(ChangedSince(before), 11) << "the start time and ten zero times, at once";

  // A scripted minute: each new second changes the current time and all ten
  // elapsed times.
  EXPECT_EQ(Run(600), PerSecond(600, 11));
  EXPECT_EQ(C().lblImaJikan->text(), "9:00:59");
  for (int i = 1; i <= kStopwatchCount; ++i) EXPECT_EQ(lblJikan(i)->text(), "0:01:00") << i;
  ExpectLabelsShowTheBank();

  // Three stopped: their frozen texts are not set again.
  for (int i : {2, 5, 9}) window_.cmdStp_Click(i);
  EXPECT_EQ(Run(100), PerSecond(100, 8));
  EXPECT_EQ(lblJikan(5)->text(), "0:01:00");
  EXPECT_EQ(lblJikan(6)->text(), "0:01:10");
  ExpectLabelsShowTheBank();

  // All stopped: only the clock.
  window_.cmdAlStp_Click();
  EXPECT_EQ(Run(50), PerSecond(50, 1));
  ExpectLabelsShowTheBank();
}

TEST_F(TickWritesTest, ClockChangesAndRestartsSetOnlyTheTextsThatDiffer) {
  window_.opt10_Click();
  clock_.RunTo("9:00:00");
  window_.cmbAlStr_Click();
  Run(30);  // 0:00:03 at 9:00:03
  // Summer time begins and ends within two ticks: only the current time changes.
  clock_.Step(std::chrono::hours(1));
  EXPECT_EQ(Run(1), std::vector<long long>{1});
  clock_.Step(-std::chrono::hours(1));
  EXPECT_EQ(Run(1), std::vector<long long>{1});
  EXPECT_EQ(lblJikan(7)->text(), "0:00:03");
  // Ten stopwatches on one second, one started later: only that one differs.
  const std::vector<QString> before = Texts();
  window_.cmdStr_Click(4);
  EXPECT_EQ(ChangedSince(before), 1) << "0:00:00 for stopwatch 4";
  EXPECT_EQ(lblJikan(4)->text(), "0:00:00");
  ExpectLabelsShowTheBank();
}

// Each tick aims the next at a millisecond past the wall clock's next second,
// wherever the clock was set; a clock that cannot be read is tried again a
// second later.
TEST_F(TickWritesTest, EachTickIsAimedJustPastTheNextSecond) {
  QTimer& timer = window_.Timer1();
  EXPECT_EQ(timer.timerType(), Qt::PreciseTimer);
  timer.start();
  clock_.RunTo("9:00:00.25");
  window_.Timer1_Timer();
  EXPECT_EQ(timer.interval(), 751);
  clock_.Step(milliseconds(600));
  window_.Timer1_Timer();
  EXPECT_EQ(timer.interval(), 151);
  clock_.RunTo("9:00:01.9994");
  window_.Timer1_Timer();
  EXPECT_EQ(timer.interval(), 2);
  {
    const testing::HandlerWarnings log;
    clock_.fail_ = true;
    window_.Timer1_Timer();
    clock_.fail_ = false;
  }
  EXPECT_EQ(timer.interval(), 1000);
  EXPECT_TRUE(timer.isActive());
  timer.stop();
  window_.Timer1_Timer();
  EXPECT_FALSE(timer.isActive()) << "a stopped timer stays stopped";
}

}  // namespace
}  // namespace mirt2
