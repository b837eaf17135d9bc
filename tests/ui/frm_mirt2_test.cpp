#include "frm_mirt2.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QFontMetricsF>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QRadioButton>
#include <QStyle>
#include <QStyleFactory>
#include <QStyleOptionButton>
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
  EXPECT_EQ(window_.Geometry().Width(), testing::kDesignWidth);
  EXPECT_EQ(window_.Geometry().Height(), 1900);
  // The client area the design's outer 2900 x 1900 twips held: 2810 x 1480.
  EXPECT_EQ(window_.size(), QSize(testing::kDesignClientWidth, 99));
  EXPECT_EQ(window_.frameGeometry().top(), Px(5530));

  EXPECT_TRUE(InView(fram1(1)));
  EXPECT_TRUE(InView(C().fram2));
  EXPECT_FALSE(InView(C().fram3));
  // Panels 2 to 10 wait below and beside the client area, out of view but not hidden.
  const int design[10][2] = {{30, 0},     {30, 2400},   {30, 2880},   {2880, 0},    {2880, 480},
                             {2880, 960}, {2880, 1440}, {2880, 1920}, {2880, 2400}, {2880, 2880}};
  for (int i = 1; i <= kStopwatchCount; ++i) {
    EXPECT_EQ(InView(fram1(i)), i == 1) << "panel " << i;
    EXPECT_FALSE(fram1(i)->isHidden()) << "panel " << i;
    EXPECT_EQ(fram1(i)->pos(), QPoint(Px(design[i - 1][0]), Px(design[i - 1][1])));
  }
  EXPECT_EQ(C().fram2->pos(), QPoint(0, Px(450)));
  EXPECT_EQ(C().fram3->pos(), QPoint(0, Px(1440)));
  EXPECT_EQ(C().fram2->frameShape(), QFrame::NoFrame);
  EXPECT_EQ(C().fram3->frameShape(), QFrame::NoFrame);
  EXPECT_NE(fram1(1)->frameShape(), QFrame::NoFrame);

  EXPECT_EQ(lblNo(1)->text(), "1-");
  EXPECT_EQ(lblNo(10)->text(), "10-");
  EXPECT_EQ(lblJikan(1)->text(), "00:00:00");
  EXPECT_EQ(C().lblStrJikan->text(), "00:00:00");
  EXPECT_EQ(C().lblImaJikan->text(), "00:00:00");
  EXPECT_EQ(C().cmbAlStr->text(), QString::fromUtf8("全部始"));
  EXPECT_EQ(C().cmdReset->toolTip(), QString::fromUtf8("\"０\"に戻します"));
  EXPECT_EQ(C().chk1->toolTip(), QString::fromUtf8("オプション"));
  EXPECT_EQ(C().cmdCopy->toolTip(),
            QString::fromUtf8("番号無しでタイマーの時間をクリップボードに送ります"));
  EXPECT_TRUE(opt(1)->isChecked());
  EXPECT_EQ(C().chk1->checkState(), Qt::Unchecked);
  EXPECT_EQ(window_.DisplayMode().panels, 1);
  EXPECT_FALSE(window_.SwithMae());
  EXPECT_EQ(window_.focusWidget(), C().cmbAlStr);
}

TEST_F(WindowTest, TabVisitsTheButtonsInDesignOrder) {
  std::vector<std::string> order;
  QWidget* w = C().cmbAlStr;
  for (int n = 0; n < 40; ++n) {
    if (w->focusPolicy() & Qt::TabFocus) order.push_back(w->objectName().toStdString());
    w = w->nextInFocusChain();
    if (w == C().cmbAlStr) break;
  }
  std::vector<std::string> expected = {"cmbAlStr", "cmdAlStp"};
  for (int i = 1; i <= kStopwatchCount; ++i) {
    expected.push_back("cmdStr(" + std::to_string(i) + ")");
    expected.push_back("cmdStp(" + std::to_string(i) + ")");
  }
  expected.emplace_back("cmdReset");
  for (const testing::DesignMode& mode : testing::kDesignModes) {
    expected.push_back(testing::OptionName(mode.panels));
  }
  for (const char* name :
       {"chk1", "cmdEnd", "cmdMae", "cmdMoji", "cmdHaikei", "cmdCopy", "cmdButn"}) {
    expected.emplace_back(name);
  }
  EXPECT_EQ(order, expected);
}

TEST_F(WindowTest, EnterPressesStartAllUnlessAnotherButtonHasFocus) {
  window_.show();
  window_.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window_));

  clock_.RunTo("9:00:00");
  opt(5)->setFocus();
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  EXPECT_EQ(C().lblStrJikan->text(), "9:00:00") << "Enter on an option button starts all";
  EXPECT_TRUE(window_.Bank().SwithT(10));

  window_.cmdAlStp_Click();
  cmdStr(3)->setFocus();
  clock_.RunTo("9:30:00");
  QTest::keyClick(cmdStr(3), Qt::Key_Return);
  EXPECT_TRUE(window_.Bank().SwithT(3));
  EXPECT_FALSE(window_.Bank().SwithT(4)) << "Enter on 始 of panel 3 starts only stopwatch 3";

  C().cmbAlStr->setFocus();
  QTest::keyClick(C().cmbAlStr, Qt::Key_Space);
  EXPECT_TRUE(window_.Bank().SwithT(4));
}

// Each command shows at once what it did, without waiting for the next tick.
TEST_F(WindowTest, ButtonsDriveTheStopwatchesAndLabelsShowTheTick) {
  clock_.RunTo("9:14:59.3");
  cmdStr(3)->click();
  EXPECT_TRUE(window_.Bank().SwithT(3));
  EXPECT_EQ(C().lblStrJikan->text(), "9:14:59");
  EXPECT_EQ(C().lblImaJikan->text(), "9:14:59");
  EXPECT_EQ(lblJikan(3)->text(), "0:00:00");

  TickAt("9:15:00");
  EXPECT_EQ(C().lblImaJikan->text(), "9:15:00");
  EXPECT_EQ(lblJikan(3)->text(), "0:00:01") << "the first second is the rest of the start's";
  TickAt("9:16:05");
  EXPECT_EQ(lblJikan(3)->text(), "0:01:06");

  clock_.RunTo("9:16:06.01");  // before the tick of the new second
  cmdStp(3)->click();
  EXPECT_EQ(lblJikan(3)->text(), "0:01:07") << "the time at the click";
  TickAt("9:20:00");
  EXPECT_EQ(lblJikan(3)->text(), "0:01:07");

  clock_.RunTo("10:00:00");
  C().cmbAlStr->click();
  EXPECT_EQ(lblJikan(3)->text(), "0:00:00");
  EXPECT_EQ(C().lblStrJikan->text(), "10:00:00");
  TickAt("10:00:00");
  TickAt("11:00:05");
  for (int i = 1; i <= kStopwatchCount; ++i) EXPECT_EQ(lblJikan(i)->text(), "1:00:05");

  C().cmdAlStp->click();
  TickAt("11:10:00");
  EXPECT_EQ(lblJikan(7)->text(), "1:00:05");
  C().cmdReset->click();
  EXPECT_EQ(lblJikan(7)->text(), "00:00:00");
  EXPECT_EQ(C().lblStrJikan->text(), "00:00:00");
  EXPECT_EQ(C().lblImaJikan->text(), "11:10:00");
}

// A right-click on a panel opens its menu, and so does Shift+F10 on its buttons: 続きから計る
// runs a stopped stopwatch on from its time, 0 に戻す sets one alone back to zero; neither
// touches 開始時刻, and a running stopwatch has nothing to continue.
TEST_F(WindowTest, APanelsMenuContinuesItsStopwatchOrSetsItAloneBackToZero) {
  opt(5)->click();
  window_.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window_));
  TickAt("9:00:00");
  cmdStr(3)->click();
  cmdStr(4)->click();
  TickAt("9:00:05");
  cmdStp(3)->click();
  clock_.RunTo("9:10:00");

  QContextMenuEvent right_click(QContextMenuEvent::Mouse, QPoint(5, 5),
                                lblJikan(3)->mapToGlobal(QPoint(5, 5)));
  QApplication::sendEvent(lblJikan(3), &right_click);
  QMenu* menu = window_.PanelMenu();
  ASSERT_NE(menu, nullptr);
  EXPECT_TRUE(menu->isVisible());
  menu->actions().at(0)->trigger();
  EXPECT_EQ(lblJikan(3)->text(), "0:00:05");
  TickAt("9:10:07");
  EXPECT_EQ(lblJikan(3)->text(), "0:00:12");

  menu->hide();
  cmdStp(4)->setFocus();
  QTest::keyClick(cmdStp(4), Qt::Key_F10, Qt::ShiftModifier);
  EXPECT_TRUE(menu->isVisible());
  EXPECT_FALSE(menu->actions().at(0)->isEnabled()) << "stopwatch 4 runs";
  menu->actions().at(1)->trigger();
  EXPECT_EQ(lblJikan(4)->text(), "00:00:00");
  EXPECT_FALSE(window_.Bank().SwithT(4));
  TickAt("9:10:08");
  EXPECT_EQ(lblJikan(3)->text(), "0:00:13");
  EXPECT_EQ(C().lblStrJikan->text(), "9:00:00");
}

TEST_F(WindowTest, HiddenRunningStopwatchIsShownCurrentWhenItsPanelReturns) {
  opt(10)->click();
  clock_.RunTo("9:00:00");
  cmdStr(8)->click();
  TickAt("9:00:00");
  opt(5)->click();
  EXPECT_TRUE(fram1(8)->isHidden());
  TickAt("9:03:00");
  EXPECT_TRUE(window_.Bank().SwithT(8));
  opt(10)->click();
  EXPECT_FALSE(fram1(8)->isHidden());
  EXPECT_EQ(lblJikan(8)->text(), "0:03:00");
}

// A display mode, chosen with the options box cleared or ticked.
struct ModeRow {
  int mode;
  bool checked;
};

void PrintTo(const ModeRow& row, std::ostream* out) {
  *out << "mode " << row.mode << (row.checked ? " with options" : "");
}

std::vector<ModeRow> ModeRows() {
  std::vector<ModeRow> rows;
  for (const testing::DesignMode& mode : testing::kDesignModes) {
    rows.push_back({mode.panels, false});
    rows.push_back({mode.panels, true});
  }
  return rows;
}

class ModeTableTest : public WindowTest, public ::testing::WithParamInterface<ModeRow> {};

// Every control that shows lies whole inside the client area; an option button as far as its
// caption's ink, since the design lets its box run past the control panel's edge. A button's
// caption fits where it is drawn, and no button made after it covers that.
void ExpectEveryShownControlWhole(const QWidget& window) {
  for (const QWidget* control : window.findChildren<QWidget*>()) {
    if (control->isWindow() || !control->isVisibleTo(&window)) continue;
    if (const auto* button = qobject_cast<const FaceButton*>(control)) {
      const QRect area = button->CaptionArea().translated(button->pos());
      EXPECT_LE(QFontMetricsF(button->DrawnFont()).horizontalAdvance(button->text()), area.width())
          << button->objectName().toStdString();
      const QObjectList& siblings = button->parentWidget()->children();
      for (qsizetype n = siblings.indexOf(button) + 1; n < siblings.size(); ++n) {
        const auto* above = qobject_cast<const QWidget*>(siblings.at(n));
        if (above == nullptr || !above->isVisibleTo(&window)) continue;
        EXPECT_FALSE(above->geometry().intersects(area))
            << above->objectName().toStdString() << " covers "
            << button->objectName().toStdString();
      }
    }
    QRect drawn(control->mapTo(&window, QPoint(0, 0)), control->size());
    if (const auto* option = qobject_cast<const QRadioButton*>(control)) {
      QStyleOptionButton style_option;
      style_option.initFrom(option);
      const QRect contents =
          option->style()->subElementRect(QStyle::SE_RadioButtonContents, &style_option, option);
      const QRect ink = option->fontMetrics().boundingRect(option->text());
      drawn.setWidth(contents.x() + ink.right() + 1);
    }
    EXPECT_TRUE(window.rect().contains(drawn))
        << control->objectName().toStdString() << " at " << drawn.x() << "," << drawn.y() << " "
        << drawn.width() << "x" << drawn.height();
  }
}

TEST_P(ModeTableTest, ChoosingAModeLaysOutTheWindowFromTheTable) {
  const ModeRow row = GetParam();
  const testing::DesignMode& mode = testing::DesignModeOf(row.mode);
  window_.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window_));
  if (row.checked) C().chk1->click();
  opt(row.mode)->click();
  EXPECT_EQ(window_.Geometry().Top(), mode.top);
  EXPECT_EQ(window_.Geometry().Height(), row.checked ? mode.shown_height : mode.hidden_height);
  EXPECT_EQ(window_.Geometry().Width(), testing::kDesignWidth);
  EXPECT_EQ(window_.size(), QSize(testing::kDesignClientWidth,
                                  row.checked ? mode.shown_client : mode.hidden_client));
  EXPECT_EQ(C().fram2->y(), Px(mode.fram2_top));
  EXPECT_EQ(C().fram3->isVisible(), row.checked);
  if (row.checked) {
    EXPECT_EQ(C().fram3->y(), Px(mode.fram3_top));
  }
  for (int i = 1; i <= kStopwatchCount; ++i) {
    EXPECT_EQ(InView(fram1(i)), i <= row.mode) << "panel " << i;
    if (i <= row.mode) {
      EXPECT_EQ(fram1(i)->pos(), QPoint(Px(30), Px(507 * (i - 1))));
    }
  }
  ExpectEveryShownControlWhole(window_);
}

INSTANTIATE_TEST_SUITE_P(Rows, ModeTableTest, ::testing::ValuesIn(ModeRows()),
                         [](const ::testing::TestParamInfo<ModeRow>& info) {
                           return "Mode" + std::to_string(info.param.mode) +
                                  (info.param.checked ? "WithOptions" : "");
                         });

TEST_F(WindowTest, AMaximizeImposedFromOutsideIsUndoneInPlace) {
  window_.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window_));
  for (Qt::WindowState imposed : {Qt::WindowMaximized, Qt::WindowFullScreen}) {
    window_.setWindowState(imposed);
    QCoreApplication::processEvents();
    EXPECT_EQ(window_.windowState(), Qt::WindowNoState);
    EXPECT_EQ(window_.size(), QSize(testing::kDesignClientWidth, 99));
    EXPECT_EQ(window_.Geometry().Top(), 5530);
    EXPECT_EQ(window_.Geometry().Height(), 1900);
  }
}

TEST_F(WindowTest, CheckBoxMovesTheBottomEdgeWithoutDrift) {
  window_.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window_));
  opt(5)->click();
  C().chk1->click();
  EXPECT_EQ(window_.Geometry().Height(), 4360);
  EXPECT_EQ(C().fram3->y(), Px(3440));
  EXPECT_TRUE(C().fram3->isVisible());
  C().chk1->click();
  EXPECT_EQ(window_.Geometry().Height(), 3930) << "back exactly, not 3929 or 3935";
  EXPECT_FALSE(C().fram3->isVisible());
  EXPECT_EQ(window_.Geometry().Top(), 3510);

  C().chk1->click();
  opt(5)->click();
  EXPECT_EQ(window_.Geometry().Height(), 4350);
  C().chk1->click();
  EXPECT_EQ(window_.Geometry().Height(), 3920);
  C().chk1->click();
  EXPECT_EQ(window_.Geometry().Height(), 4350);
  EXPECT_EQ(C().fram3->y(), Px(3430));
}

// The check box sets the height from where the person moved the window, and keeps it on the
// 800-pixel screen, the offscreen platform's 2-pixel frame included; a mode puts it at the
// mode's Top.
TEST_F(WindowTest, TheCheckBoxKeepsTheWindowWhereThePersonMovedIt) {
  window_.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window_));
  opt(5)->click();
  for (const auto& [moved_to, top_after] : {std::pair{300, 300}, {600, 800 - 2 - 263 - 2}}) {
    window_.move(window_.x(), moved_to);
    C().chk1->click();
    EXPECT_EQ(window_.frameGeometry().top(), top_after);
    EXPECT_EQ(window_.Geometry().Top(), top_after * 15);
    C().chk1->click();
    EXPECT_EQ(window_.frameGeometry().top(), top_after);
  }
  opt(10)->click();
  EXPECT_EQ(window_.Geometry().Top(), 980);
}

TEST_F(WindowTest, AModeHidesThePanelsItDoesNotShowWhereTheyStand) {
  opt(10)->click();
  opt(5)->click();
  for (int i = 1; i <= kStopwatchCount; ++i) {
    EXPECT_EQ(fram1(i)->isHidden(), i > 5) << i;
    EXPECT_EQ(fram1(i)->pos(), QPoint(Px(30), Px(507 * (i - 1)))) << i;
  }
  // Mode 1 moves panel 1 to the top and leaves its Left, whatever that is.
  fram1(1)->move(Px(300), Px(900));
  opt(1)->click();
  EXPECT_EQ(fram1(1)->pos(), QPoint(Px(300), 0));
  EXPECT_FALSE(fram1(1)->isHidden());
  EXPECT_TRUE(fram1(2)->isHidden());
  EXPECT_EQ(fram1(2)->pos(), QPoint(Px(30), Px(507)));
}

// Grayed is a state only code could set: a mode then leaves the height and the options panel
// alone, and the check box's handler counts it as unchecked.
TEST_F(WindowTest, AGrayedCheckBoxLeavesTheOptionsPanelToTheCheckBox) {
  C().chk1->click();
  opt(5)->click();
  C().chk1->setCheckState(Qt::PartiallyChecked);
  opt(10)->click();
  EXPECT_EQ(window_.Geometry().Top(), 980);
  EXPECT_EQ(window_.Geometry().Height(), 4350);
  EXPECT_EQ(C().fram2->y(), Px(5010));
  EXPECT_FALSE(C().fram3->isHidden());
  EXPECT_EQ(C().fram3->y(), Px(3430));
  window_.chk1_Click();
  EXPECT_EQ(window_.Geometry().Height(), 3920);
  EXPECT_TRUE(C().fram3->isHidden());
}

TEST_F(WindowTest, EveryButtonFaceIsExactlyItsColourInEveryStyle) {
  for (const QString& key : QStyleFactory::keys()) {
    SCOPED_TRACE(key.toStdString());
    QStyle* style = QStyleFactory::create(key);
    for (QWidget* widget : C().all) {
      auto* button = qobject_cast<FaceButton*>(widget);
      if (button == nullptr) continue;
      button->setStyle(style);
      const QImage face = button->grab().toImage();
      // Inside the one-pixel edge and the default button's outline, clear of the caption.
      EXPECT_EQ(face.pixelColor(3, 3), QColor(0, 255, 0)) << widget->objectName().toStdString();
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
