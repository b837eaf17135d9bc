#include "frm_mirt2.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QMessageBox>
#include <QRadioButton>
#include <QStyle>
#include <QStyleFactory>
#include <QTest>
#include <string>
#include <vector>

#include "control_table.h"
#include "face_button.h"
#include "handler_warnings.h"
#include "window_fixture.h"

namespace mirt2 {
namespace {

using testing::Hms;
using testing::WindowTest;

TEST_F(WindowTest, StartsWithPanelOneAndTheControlPanelInView) {
  window_.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window_));

  EXPECT_EQ(window_.windowTitle(), QString::fromUtf8("ミルテス-２"));
  EXPECT_EQ(window_.Geometry().Top(), 5530);
  EXPECT_EQ(window_.Geometry().Width(), 2900);
  EXPECT_EQ(window_.Geometry().Height(), 1900);
  EXPECT_EQ(window_.frameGeometry().width(), Px(2900));
  EXPECT_EQ(window_.frameGeometry().height(), Px(1900));
  EXPECT_EQ(window_.frameGeometry().top(), Px(5530));

  EXPECT_TRUE(InView("fram1", 1));
  EXPECT_TRUE(InView("fram2"));
  EXPECT_FALSE(InView("fram3"));
  for (int i = 2; i <= kStopwatchCount; ++i) {
    EXPECT_FALSE(InView("fram1", i)) << "panel " << i;
    EXPECT_FALSE(Control("fram1", i)->isHidden()) << "out of view, not hidden: " << i;
  }
  EXPECT_EQ(Control("fram1", 4)->pos(), QPoint(Px(2880), 0));
  EXPECT_EQ(Control("fram1", 2)->pos(), QPoint(Px(30), Px(2400)));
  EXPECT_EQ(Control("fram2")->pos(), QPoint(0, Px(450)));
  EXPECT_EQ(Control("fram3")->pos(), QPoint(0, Px(1440)));
  EXPECT_EQ(qobject_cast<QFrame*>(Control("fram2"))->frameShape(), QFrame::NoFrame);
  EXPECT_EQ(qobject_cast<QFrame*>(Control("fram3"))->frameShape(), QFrame::NoFrame);
  EXPECT_NE(qobject_cast<QFrame*>(Control("fram1", 1))->frameShape(), QFrame::NoFrame);

  EXPECT_EQ(Caption("lblNo", 1), "1-");
  EXPECT_EQ(Caption("lblNo", 10), "10-");
  EXPECT_EQ(Caption("lblJikan", 1), "00:00:00");
  EXPECT_EQ(Caption("lblStrJikan"), "00:00:00");
  EXPECT_EQ(Caption("lblImaJikan"), "00:00:00");
  EXPECT_EQ(qobject_cast<QAbstractButton*>(Control("cmbAlStr"))->text(),
            QString::fromUtf8("全部始"));
  EXPECT_EQ(Control("cmdReset")->toolTip(), QString::fromUtf8("\"０\"に戻します"));
  EXPECT_EQ(Control("chk1")->toolTip(), QString::fromUtf8("オプション"));
  EXPECT_EQ(Control("cmdCopy")->toolTip(),
            QString::fromUtf8("番号無しでタイマーの時間をクリップボードに送ります"));
  EXPECT_TRUE(qobject_cast<QRadioButton*>(Control("opt1"))->isChecked());
  EXPECT_EQ(qobject_cast<QCheckBox*>(Control("chk1"))->checkState(), Qt::Unchecked);
  EXPECT_EQ(window_.DisplayMode(), 1);
  EXPECT_FALSE(window_.SwithMae());
  EXPECT_EQ(window_.focusWidget(), Control("cmbAlStr"));
}

TEST_F(WindowTest, TabVisitsTheButtonsInDesignOrder) {
  std::vector<std::string> order;
  QWidget* w = Control("cmbAlStr");
  for (int n = 0; n < 40; ++n) {
    if (w->focusPolicy() & Qt::TabFocus) order.push_back(w->objectName().toStdString());
    w = w->nextInFocusChain();
    if (w == Control("cmbAlStr")) break;
  }
  std::vector<std::string> expected = {"cmbAlStr", "cmdAlStp"};
  for (int i = 1; i <= kStopwatchCount; ++i) {
    expected.push_back("cmdStr(" + std::to_string(i) + ")");
    expected.push_back("cmdStp(" + std::to_string(i) + ")");
  }
  for (const char* name : {"cmdReset", "opt1", "opt5", "opt10", "chk1", "cmdEnd", "cmdMae",
                           "cmdMoji", "cmdHaikei", "cmdCopy", "cmdButn"}) {
    expected.emplace_back(name);
  }
  EXPECT_EQ(order, expected);
}

TEST_F(WindowTest, EnterPressesStartAllUnlessAnotherButtonHasFocus) {
  window_.show();
  window_.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window_));

  clock_.Set("9:00:00");
  Control("opt5")->setFocus();
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  EXPECT_EQ(Caption("lblStrJikan"), "9:00:00") << "Enter on an option button starts all";
  EXPECT_TRUE(window_.Bank().SwithT(10));

  window_.cmdAlStp_Click();
  Control("cmdStr", 3)->setFocus();
  clock_.Set("9:30:00");
  QTest::keyClick(Control("cmdStr", 3), Qt::Key_Return);
  EXPECT_TRUE(window_.Bank().SwithJ(3));
  EXPECT_FALSE(window_.Bank().SwithJ(4)) << "Enter on 始 of panel 3 starts only stopwatch 3";

  Control("cmbAlStr")->setFocus();
  QTest::keyClick(Control("cmbAlStr"), Qt::Key_Space);
  EXPECT_TRUE(window_.Bank().SwithJ(4));
}

TEST_F(WindowTest, ButtonsDriveTheStopwatchesAndLabelsShowTheTick) {
  clock_.Set("9:14:59");
  Click("cmdStr", 3);
  EXPECT_TRUE(window_.Bank().SwithT(3));
  EXPECT_TRUE(window_.Bank().SwithJ(3));
  EXPECT_EQ(Caption("lblStrJikan"), "9:14:59");
  EXPECT_EQ(Caption("lblJikan", 3), "00:00:00");

  TickAt("9:15:00");
  EXPECT_EQ(Caption("lblImaJikan"), "9:15:00");
  EXPECT_EQ(Caption("lblJikan", 3), "0:00:00");
  TickAt("9:16:05");
  EXPECT_EQ(Caption("lblJikan", 3), "0:01:05");

  Click("cmdStp", 3);
  TickAt("9:20:00");
  EXPECT_EQ(Caption("lblJikan", 3), "0:01:05");

  clock_.Set("10:00:00");
  Click("cmbAlStr");
  EXPECT_EQ(Caption("lblJikan", 3), "00:00:00");
  EXPECT_EQ(Caption("lblStrJikan"), "10:00:00");
  TickAt("10:00:00");
  TickAt("11:00:05");
  for (int i = 1; i <= kStopwatchCount; ++i) EXPECT_EQ(Caption("lblJikan", i), "1:00:05");

  Click("cmdAlStp");
  TickAt("11:10:00");
  EXPECT_EQ(Caption("lblJikan", 7), "1:00:05");
  Click("cmdReset");
  EXPECT_EQ(Caption("lblJikan", 7), "00:00:00");
  EXPECT_EQ(Caption("lblStrJikan"), "00:00:00");
  EXPECT_EQ(Caption("lblImaJikan"), "11:10:00");
}

TEST_F(WindowTest, HiddenRunningStopwatchIsShownCurrentWhenItsPanelReturns) {
  Click("opt10");
  clock_.Set("9:00:00");
  Click("cmdStr", 8);
  TickAt("9:00:00");
  Click("opt5");
  EXPECT_TRUE(Control("fram1", 8)->isHidden());
  TickAt("9:03:00");
  EXPECT_TRUE(window_.Bank().SwithT(8));
  Click("opt10");
  EXPECT_FALSE(Control("fram1", 8)->isHidden());
  EXPECT_EQ(Caption("lblJikan", 8), "0:03:00");
}

struct ModeRow {
  const char* option;
  bool checked;
  int top, height, fram2_top, fram3_top;  // fram3_top 0: hidden, position kept
};

class ModeTableTest : public WindowTest, public ::testing::WithParamInterface<ModeRow> {};

TEST_P(ModeTableTest, ChoosingAModeLaysOutTheWindowFromTheTable) {
  const ModeRow row = GetParam();
  window_.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window_));
  if (row.checked) Click("chk1");
  Click(row.option);
  EXPECT_EQ(window_.Geometry().Top(), row.top);
  EXPECT_EQ(window_.Geometry().Height(), row.height);
  EXPECT_EQ(window_.Geometry().Width(), 2900);
  EXPECT_EQ(window_.frameGeometry().height(), Px(row.height));
  EXPECT_EQ(Control("fram2")->y(), Px(row.fram2_top));
  EXPECT_EQ(Control("fram3")->isVisible(), row.fram3_top != 0);
  if (row.fram3_top != 0) {
    EXPECT_EQ(Control("fram3")->y(), Px(row.fram3_top));
  }
  const int shown = std::string(row.option) == "opt1"   ? 1
                    : std::string(row.option) == "opt5" ? 5
                                                        : 10;
  for (int i = 1; i <= kStopwatchCount; ++i) {
    EXPECT_EQ(InView("fram1", i), i <= shown) << "panel " << i;
    if (i <= shown) {
      EXPECT_EQ(Control("fram1", i)->pos(), QPoint(Px(30), Px(507 * (i - 1))));
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Rows, ModeTableTest,
                         ::testing::Values(ModeRow{"opt1", false, 5540, 1900, 450, 0},
                                           ModeRow{"opt1", true, 5540, 2330, 450, 1410},
                                           ModeRow{"opt5", false, 3510, 3930, 2480, 0},
                                           ModeRow{"opt5", true, 3510, 4350, 2480, 3430},
                                           ModeRow{"opt10", false, 980, 6470, 5010, 0},
                                           ModeRow{"opt10", true, 980, 6890, 5010, 5970}));

TEST_F(WindowTest, CheckBoxMovesTheBottomEdgeWithoutDrift) {
  window_.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window_));
  Click("opt5");
  Click("chk1");
  EXPECT_EQ(window_.Geometry().Height(), 4360);
  EXPECT_EQ(Control("fram3")->y(), Px(3440));
  EXPECT_TRUE(Control("fram3")->isVisible());
  Click("chk1");
  EXPECT_EQ(window_.Geometry().Height(), 3930) << "back exactly, not 3929 or 3935";
  EXPECT_FALSE(Control("fram3")->isVisible());
  EXPECT_EQ(window_.Geometry().Top(), 3510);

  Click("chk1");
  Click("opt5");
  EXPECT_EQ(window_.Geometry().Height(), 4350);
  Click("chk1");
  EXPECT_EQ(window_.Geometry().Height(), 3920);
  Click("chk1");
  EXPECT_EQ(window_.Geometry().Height(), 4350);
  EXPECT_EQ(Control("fram3")->y(), Px(3430));
}

TEST_F(WindowTest, EveryButtonFaceIsExactlyItsColourInEveryStyle) {
  for (const QString& key : QStyleFactory::keys()) {
    SCOPED_TRACE(key.toStdString());
    QStyle* style = QStyleFactory::create(key);
    for (const auto& [ref, widget] : window_.Controls().All()) {
      auto* button = qobject_cast<FaceButton*>(widget);
      if (button == nullptr) continue;
      button->setStyle(style);
      const QImage face = button->grab().toImage();
      // Inside the one-pixel edge and the default button's outline, clear of the caption.
      EXPECT_EQ(face.pixelColor(3, 3), QColor(0, 255, 0)) << std::string(ref.name) << ref.index;
      EXPECT_EQ(face.pixelColor(face.width() - 4, face.height() - 4), QColor(0, 255, 0));
      button->setStyle(nullptr);
    }
    delete style;
  }
}

TEST_F(WindowTest, AFailingHandlerIsReportedAndTheWindowGoesOn) {
  const testing::HandlerWarnings log;
  window_.cmdStr_Click(11);
  clock_.fail_ = true;
  for (int tick = 0; tick < 3; ++tick) window_.Timer1_Timer();
  clock_.fail_ = false;
  window_.Timer1_Timer();
  clock_.fail_ = true;
  window_.Timer1_Timer();
  EXPECT_EQ(log.texts.size(), 3U) << "each failed click, and once each run of failed ticks";
  const QList<QMessageBox*> boxes = window_.findChildren<QMessageBox*>();
  ASSERT_EQ(boxes.size(), 1) << "one box takes each new message";
  EXPECT_EQ(boxes[0]->text(), QString::fromUtf8("時間を更新できませんでした。"));
  clock_.fail_ = false;
  window_.cmdStr_Click(1);
  EXPECT_TRUE(window_.Bank().SwithT(1));
}

}  // namespace
}  // namespace mirt2
