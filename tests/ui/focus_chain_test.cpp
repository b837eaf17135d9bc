// What Tab and Shift+Tab reach in the shown window: the controls a person sees, in the design's
// tab order, and of the three option buttons the selected one.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <string>
#include <vector>

#include "window_fixture.h"

namespace mirt2 {
namespace {

using Names = std::vector<std::string>;

class FocusChainTest : public testing::WindowTest {
 protected:
  static std::string Focus() { return QApplication::focusWidget()->objectName().toStdString(); }

  // The controls the key visits from 全部始 until it comes round to 全部始 again.
  Names Round(Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    C().cmbAlStr->setFocus();
    Names visited;
    for (int n = 0; n < 60; ++n) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, modifiers);
      if (Focus() == "cmbAlStr") break;
      visited.push_back(Focus());
    }
    return visited;
  }
};

TEST_F(FocusChainTest, TabReachesOnlyWhatShowsInTheDesignOrder) {
  window_.show();
  window_.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window_));
  EXPECT_EQ(Round(),
            Names({"cmdAlStp", "cmdStr(1)", "cmdStp(1)", "cmdReset", "opt1", "chk1", "cmdEnd"}))
      << "panels 2 to 10 lie outside the client area";
  EXPECT_EQ(Round(Qt::ShiftModifier),
            Names({"cmdEnd", "chk1", "opt1", "cmdReset", "cmdStp(1)", "cmdStr(1)", "cmdAlStp"}));

  C().chk1->click();
  opt(10)->click();
  const Names ten = Round();
  ASSERT_EQ(ten.size(), 1U + 20U + 4U + 5U);
  EXPECT_EQ(ten[20], "cmdStp(10)");
  EXPECT_EQ(Names(ten.begin() + 21, ten.end()),
            Names({"cmdReset", "opt10", "chk1", "cmdEnd", "cmdMae", "cmdMoji", "cmdHaikei",
                   "cmdCopy", "cmdButn"}));

  // Hiding the options panel takes the focus on to what still shows.
  C().cmdCopy->setFocus();
  C().chk1->click();
  EXPECT_EQ(Focus(), "cmbAlStr");
}

// Left and Down walk the option buttons in their order (1, 5, 10), Right and Up back, each
// choosing its mode; neither goes round at an end.
TEST_F(FocusChainTest, ArrowKeysWalkTheOptionButtonsInTheirOrder) {
  window_.show();
  window_.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window_));
  const auto& modes = testing::kDesignModes;
  Names walked;
  Names expected;
  const auto press = [&](Qt::Key key, const testing::DesignMode& to) {
    QTest::keyClick(QApplication::focusWidget(), key);
    walked.push_back(Focus() + " " + std::to_string(window_.DisplayMode().panels));
    expected.push_back(testing::OptionName(to.panels) + " " + std::to_string(to.panels));
  };
  opt(modes.front().panels)->setFocus();
  press(Qt::Key_Right, modes.front());
  for (std::size_t n = 1; n < modes.size(); ++n)
    press(n % 2 ? Qt::Key_Left : Qt::Key_Down, modes[n]);
  press(Qt::Key_Down, modes.back());
  for (std::size_t n = modes.size() - 1; n-- > 0;)
    press(n % 2 ? Qt::Key_Right : Qt::Key_Up, modes[n]);
  press(Qt::Key_Up, modes.front());
  EXPECT_EQ(walked, expected);
}

}  // namespace
}  // namespace mirt2
