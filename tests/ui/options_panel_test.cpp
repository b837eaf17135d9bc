#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QMessageBox>
#include <map>
#include <string>
#include <vector>

#include "colour.h"
#include "face_button.h"
#include "handler_warnings.h"
#include "window_fixture.h"

namespace mirt2 {
namespace {

using testing::Group;
using testing::MembersOf;
using testing::WindowTest;

const std::string kDash = "\xEF\xBC\x8D";  // U+FF0D
const QString kNumberedTip =
    QString::fromUtf8("番号入りでタイマーの時間をクリップボードに送ります");
const QString kUnnumberedTip =
    QString::fromUtf8("番号無しでタイマーの時間をクリップボードに送ります");

class CopyTest : public WindowTest {};

TEST_F(CopyTest, AlternatesUnnumberedAndNumberedAndTheTipAnnouncesTheNext) {
  C().cmdCopy->click();
  EXPECT_EQ(clipboard_.text_, "00:00:00");
  EXPECT_EQ(C().cmdCopy->toolTip(), kNumberedTip);
  EXPECT_TRUE(window_.SwithBang());

  C().cmdCopy->click();
  EXPECT_EQ(clipboard_.text_, "1" + kDash + "00:00:00");
  EXPECT_EQ(C().cmdCopy->toolTip(), kUnnumberedTip);

  opt(10)->click();  // a mode change does not restart the alternation
  C().cmdCopy->click();
  EXPECT_EQ(clipboard_.text_->find(kDash), std::string::npos);
  opt(5)->click();
  C().cmdCopy->click();
  EXPECT_EQ(clipboard_.text_, "1" + kDash + "00:00:00\r\n2" + kDash + "00:00:00\r\n3" + kDash +
                                  "00:00:00\r\n4" + kDash + "00:00:00\r\n5" + kDash + "00:00:00");
  EXPECT_EQ(clipboard_.clears_, 4) << "the clipboard is emptied before each report";
}

TEST_F(CopyTest, ReportsThePanelsOnScreenAsTheirLabelsShowThem) {
  clock_.RunTo("9:00:00");
  C().cmbAlStr->click();
  TickAt("9:00:00");
  cmdStp(2)->click();
  TickAt("9:00:07");
  clock_.RunTo("9:00:09");  // the clock has moved on, but no tick has shown it
  opt(10)->click();
  C().cmdCopy->click();
  std::string expected = "0:00:07\r\n0:00:00";
  for (int i = 3; i <= 10; ++i) expected += "\r\n0:00:07";
  EXPECT_EQ(clipboard_.text_, expected);

  opt(1)->click();
  C().cmdCopy->click();
  EXPECT_EQ(clipboard_.text_, "1" + kDash + "0:00:07");
}

TEST_F(CopyTest, AFailedCopyIsShownOnceAndLeavesStyleAndTipAsTheyWere) {
  clipboard_.fail_ = true;
  const testing::HandlerWarnings log;
  C().cmdCopy->click();
  EXPECT_EQ(log.texts, std::vector<QString>{"cmdCopy_Click: clipboard busy"});
  const QList<QMessageBox*> boxes = window_.findChildren<QMessageBox*>();
  ASSERT_EQ(boxes.size(), 1);
  EXPECT_TRUE(boxes[0]->isVisible());
  EXPECT_FALSE(boxes[0]->geometry().intersects(window_.frameGeometry())) << "times in sight";
  EXPECT_EQ(boxes[0]->text(),
            QString::fromUtf8("クリップボードに送れませんでした。もう一度お試しください。"));
  TickAt("9:00:01");
  EXPECT_EQ(C().lblImaJikan->text(), "9:00:01") << "the tick runs on while the message is open";
  EXPECT_FALSE(window_.SwithBang());
  EXPECT_EQ(C().cmdCopy->toolTip(), kUnnumberedTip);

  clipboard_.fail_ = false;
  C().cmdCopy->click();
  EXPECT_EQ(clipboard_.text_, "00:00:00") << "still the unnumbered report";
}

// The colours each control shows: its text, the background it paints itself
// (a transparent label paints none), a button's face and its caption colour.
struct Colours {
  QColor text;
  QColor background;
  QColor face;
  QColor caption;
  bool operator==(const Colours&) const = default;
};

class ColourTest : public WindowTest {
 protected:
  std::map<std::string, Colours> Snapshot() const {
    std::map<std::string, Colours> all;
    std::vector<const QWidget*> widgets(C().all.begin(), C().all.end());
    widgets.push_back(&window_);
    for (const QWidget* widget : widgets) {
      Colours shown;
      const QPalette& palette = widget->palette();
      if (const auto* button = qobject_cast<const FaceButton*>(widget)) {
        shown.face = button->Face();
        shown.caption = palette.color(QPalette::ButtonText);
      } else {
        shown.text = palette.color(QPalette::WindowText);
        if (widget->autoFillBackground()) shown.background = palette.color(QPalette::Window);
      }
      all[widget->objectName().toStdString()] = shown;
    }
    return all;
  }
  // Picks `colour` through `button` and checks that it reached exactly the group.
  void ExpectGroupOnly(FaceButton* button, Group group, Colour colour) {
    const auto before = Snapshot();
    picker_.Answer(colour);
    button->click();
    const auto after = Snapshot();
    const std::set<std::string> members = MembersOf(group);
    const QColor expected = ToQColor(colour);
    for (const auto& [key, was] : before) {
      const Colours& now = after.at(key);
      Colours want = was;
      if (members.contains(key)) {
        if (group == Group::kMoji) want.text = expected;
        if (group == Group::kButton) want.face = expected;
        if (group == Group::kBak) want.background = expected;
      }
      EXPECT_EQ(now, want) << button->objectName().toStdString() << " on " << key;
    }
  }
};

TEST_F(ColourTest, EachGroupReachesExactlyItsMembersHiddenPanelsIncluded) {
  ExpectGroupOnly(C().cmdMoji, Group::kMoji, 0x0000FF);
  EXPECT_EQ(window_.MojiColr(), 0x0000FFU);
  ExpectGroupOnly(C().cmdButn, Group::kButton, 0x00FFFF);
  EXPECT_EQ(window_.ButtonColr(), 0x00FFFFU);
  ExpectGroupOnly(C().cmdHaikei, Group::kBak, 0x800000);
  EXPECT_EQ(window_.BakColr(), 0x800000U);
  // Black text on a black background is accepted as it comes.
  ExpectGroupOnly(C().cmdHaikei, Group::kBak, 0x000000);
  ExpectGroupOnly(C().cmdMoji, Group::kMoji, 0x000000);

  opt(10)->click();
  EXPECT_FALSE(fram1(9)->isHidden());
  EXPECT_EQ(fram1(9)->palette().color(QPalette::Window), QColor(Qt::black));
}

TEST_F(ColourTest, CancelChangesNothingAndThePickerOpensOnTheLastConfirmedColour) {
  const auto before = Snapshot();
  picker_.Answer(std::nullopt);
  C().cmdButn->click();
  EXPECT_EQ(Snapshot(), before);
  EXPECT_EQ(window_.ButtonColr(), 0U);
  EXPECT_EQ(window_.cmnDialog1().Color(), 0U);

  picker_.Answer(0x123456);
  C().cmdMoji->click();
  picker_.Answer(std::nullopt);
  C().cmdHaikei->click();
  picker_.Answer(0x654321);
  C().cmdButn->click();
  EXPECT_EQ(picker_.opened_on_, (std::vector<Colour>{0, 0, 0x123456, 0x123456}));
  EXPECT_EQ(window_.cmnDialog1().Color(), 0x654321U);
  EXPECT_EQ(window_.BakColr(), 0U) << "the cancelled background choice left its variable";
}

TEST_F(ColourTest, FacesShowTheChosenColourExactly) {
  picker_.Answer(0x4080C0);
  C().cmdButn->click();
  const QImage face = cmdStr(7)->grab().toImage();
  EXPECT_EQ(face.pixelColor(3, 3), QColor(0xC0, 0x80, 0x40));
}

TEST_F(WindowTest, AlwaysOnTopAlternatesItsFaceAndCallsTheStacking) {
  auto* mae = C().cmdMae;
  EXPECT_EQ(mae->text(), QString::fromUtf8("前へ"));
  C().cmdMae->click();
  EXPECT_EQ(mae->text(), QString::fromUtf8("元へ"));
  EXPECT_EQ(mae->toolTip(), QString::fromUtf8("常に前面をキャンセルします"));
  EXPECT_TRUE(window_.SwithMae());
  C().chk1->click();
  opt(5)->click();  // layouts leave the state alone
  EXPECT_TRUE(window_.SwithMae());
  C().cmdMae->click();
  EXPECT_EQ(mae->text(), QString::fromUtf8("前へ"));
  EXPECT_EQ(mae->toolTip(), QString::fromUtf8("常に前面に置きます"));
  EXPECT_FALSE(window_.SwithMae());
  EXPECT_EQ(stacking_.calls_, (std::vector<bool>{true, false}));
}

TEST_F(WindowTest, ADesktopThatCannotKeepTheWindowInFrontSaysSoAndTheButtonStays) {
  stacking_.refuse_ = true;
  const testing::HandlerWarnings log;
  C().cmdMae->click();
  EXPECT_EQ(log.texts, std::vector<QString>{"cmdMae_Click: no stacking here"});
  const QList<QMessageBox*> boxes = window_.findChildren<QMessageBox*>();
  ASSERT_EQ(boxes.size(), 1);
  EXPECT_EQ(boxes[0]->text(), QString::fromUtf8("このデスクトップでは無理です。"));
  EXPECT_EQ(C().cmdMae->text(), QString::fromUtf8("前へ"));
  EXPECT_EQ(C().cmdMae->toolTip(), QString::fromUtf8("常に前面に置きます"));
  EXPECT_FALSE(window_.SwithMae());
}

}  // namespace
}  // namespace mirt2
