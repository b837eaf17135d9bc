// What Tab, Shift+Tab and the arrow keys reach in the shown window: the controls a person
// sees, in the design's tab order, and of the three option buttons the selected one.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <string>
#include <vector>

#include "window_fixture.h"

namespace mirt2 {
namespace {

using Names = std::vector<std::string>;

Names PanelButtons(int panels) {
  Names names;
  for (int i = 1; i <= panels; ++i) {
    names.push_back("cmdStr(" + std::to_string(i) + ")");
    names.push_back("cmdStp(" + std::to_string(i) + ")");
  }
  return names;
}

Names Join(std::initializer_list<Names> parts) {
  Names all;
  for (const Names& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

class FocusChainTest : public testing::WindowTest {
 protected:
  void SetUp() override {
    window_.show();
    window_.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window_));
  }

  static std::string Focus() { return QApplication::focusWidget()->objectName().toStdString(); }

  // The controls the key visits from 全部始 until it comes round to 全部始 again.
  Names Round(Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    Control("cmbAlStr")->setFocus();
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
  const Names controls = {"cmdReset", "opt1", "chk1", "cmdEnd"};
  EXPECT_EQ(Round(), Join({{"cmdAlStp"}, PanelButtons(1), controls}))
      << "panels 2 to 10 lie outside the client area";
  EXPECT_EQ(Round(Qt::ShiftModifier),
            Names({"cmdEnd", "chk1", "opt1", "cmdReset", "cmdStp(1)", "cmdStr(1)", "cmdAlStp"}));

  Click("opt5");
  EXPECT_EQ(Round(), Join({{"cmdAlStp"}, PanelButtons(5), {"cmdReset", "opt5", "chk1", "cmdEnd"}}));

  Click("chk1");
  Click("opt10");
  EXPECT_EQ(Round(), Join({{"cmdAlStp"},
                           PanelButtons(10),
                           {"cmdReset", "opt10", "chk1", "cmdEnd", "cmdMae", "cmdMoji", "cmdHaikei",
                            "cmdCopy", "cmdButn"}}));

  // Hiding the options panel takes the focus on to what still shows.
  Control("cmdCopy")->setFocus();
  Click("chk1");
  EXPECT_EQ(Focus(), "cmbAlStr");
}

TEST_F(FocusChainTest, ArrowKeysChooseAmongTheOptionButtonsAndStepThroughTheOthers) {
  Control("opt1")->setFocus();
  QTest::keyClick(Control("opt1"), Qt::Key_Left);
  EXPECT_EQ(Focus(), "opt5");
  EXPECT_EQ(window_.DisplayMode(), 5);
  EXPECT_TRUE(InView("fram1", 5));
  QTest::keyClick(Control("opt5"), Qt::Key_Down);
  EXPECT_EQ(window_.DisplayMode(), 10);
  QTest::keyClick(Control("opt10"), Qt::Key_Down);
  EXPECT_EQ(Focus(), "opt10") << "no wrap";
  QTest::keyClick(Control("opt10"), Qt::Key_Up);
  QTest::keyClick(Control("opt5"), Qt::Key_Right);
  EXPECT_EQ(Focus(), "opt1");
  EXPECT_EQ(window_.DisplayMode(), 1);

  QTest::keyClick(Control("opt1"), Qt::Key_Tab);
  QTest::keyClick(Control("chk1"), Qt::Key_Right);
  EXPECT_EQ(Focus(), "cmdEnd");
  QTest::keyClick(Control("cmdEnd"), Qt::Key_Down);
  EXPECT_EQ(Focus(), "cmbAlStr");
  QTest::keyClick(Control("cmbAlStr"), Qt::Key_Up);
  EXPECT_EQ(Focus(), "cmdEnd");
  QTest::keyClick(Control("cmdEnd"), Qt::Key_Left);
  EXPECT_EQ(Focus(), "chk1");
}

}  // namespace
}  // namespace mirt2
