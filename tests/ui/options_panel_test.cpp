#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QMessageBox>
#include <map>
#include <string>
#include <vector>

#include "colour_groups.h"
#include "face_button.h"
#include "handler_warnings.h"
#include "qt_colour.h"
#include "window_fixture.h"

namespace mirt2 {
namespace {

using testing::WindowTest;

const std::string kDash = "\xEF\xBC\x8D";  // U+FF0D
const QString kNumberedTip =
    QString::fromUtf8("番号入りでタイマーの時間をクリップボードに送ります");
const QString kUnnumberedTip =
    QString::fromUtf8("番号無しでタイマーの時間をクリップボードに送ります");

class CopyTest : public WindowTest {};

TEST_F(CopyTest, AlternatesUnnumberedAndNumberedAndTheTipAnnouncesTheNext) {
  Click("cmdCopy");
  EXPECT_EQ(clipboard_.text_, "00:00:00");
  EXPECT_EQ(Control("cmdCopy")->toolTip(), kNumberedTip);
  EXPECT_TRUE(window_.SwithBang());

  Click("cmdCopy");
  EXPECT_EQ(clipboard_.text_, "1" + kDash + "00:00:00");
  EXPECT_EQ(Control("cmdCopy")->toolTip(), kUnnumberedTip);

  Click("opt10");  // a mode change does not restart the alternation
  Click("cmdCopy");
  EXPECT_EQ(clipboard_.text_->find(kDash), std::string::npos);
  Click("opt5");
  Click("cmdCopy");
  EXPECT_EQ(clipboard_.text_, "1" + kDash + "00:00:00\r\n2" + kDash + "00:00:00\r\n3" + kDash +
                                  "00:00:00\r\n4" + kDash + "00:00:00\r\n5" + kDash + "00:00:00");
  EXPECT_EQ(clipboard_.clears_, 4) << "the clipboard is emptied before each report";
}

TEST_F(CopyTest, ReportsThePanelsOnScreenAsTheirLabelsShowThem) {
  clock_.Set("9:00:00");
  Click("cmbAlStr");
  TickAt("9:00:00");
  Click("cmdStp", 2);
  TickAt("9:00:07");
  clock_.Set("9:00:09");  // the clock has moved on, but no tick has shown it
  Click("opt10");
  Click("cmdCopy");
  std::string expected = "0:00:07\r\n0:00:00";
  for (int i = 3; i <= 10; ++i) expected += "\r\n0:00:07";
  EXPECT_EQ(clipboard_.text_, expected);

  Click("opt1");
  Click("cmdCopy");
  EXPECT_EQ(clipboard_.text_, "1" + kDash + "0:00:07");
}

TEST_F(CopyTest, AFailedCopyIsShownOnceAndLeavesStyleAndTipAsTheyWere) {
  clipboard_.fail_ = true;
  const testing::HandlerWarnings log;
  Click("cmdCopy");
  EXPECT_EQ(log.texts, std::vector<QString>{"cmdCopy_Click: clipboard busy"});
  const QList<QMessageBox*> boxes = window_.findChildren<QMessageBox*>();
  ASSERT_EQ(boxes.size(), 1);
  EXPECT_TRUE(boxes[0]->isVisible());
  EXPECT_FALSE(boxes[0]->geometry().intersects(window_.frameGeometry())) << "times in sight";
  EXPECT_EQ(boxes[0]->text(),
            QString::fromUtf8("クリップボードに送れませんでした。もう一度お試しください。"));
  TickAt("9:00:01");
  EXPECT_EQ(Caption("lblImaJikan"), "9:00:01") << "the tick runs on while the message is open";
  EXPECT_FALSE(window_.SwithBang());
  EXPECT_EQ(Control("cmdCopy")->toolTip(), kUnnumberedTip);

  clipboard_.fail_ = false;
  Click("cmdCopy");
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
    for (const auto& [ref, widget] : window_.Controls().All()) {
      Colours shown;
      const QPalette& palette = widget->palette();
      if (const auto* button = qobject_cast<const FaceButton*>(widget)) {
        shown.face = button->Face();
        shown.caption = palette.color(QPalette::ButtonText);
      } else {
        shown.text = palette.color(QPalette::WindowText);
        if (widget->autoFillBackground()) shown.background = palette.color(QPalette::Window);
      }
      all[Key(ref)] = shown;
    }
    return all;
  }
  static std::string Key(const ControlRef& ref) {
    return std::string(ref.name) + "(" + std::to_string(ref.index) + ")";
  }
  // Picks `colour` through `button` and checks that it reached exactly the group.
  void ExpectGroupOnly(const char* button, ColourGroup group, Colour colour) {
    const auto before = Snapshot();
    picker_.Answer(colour);
    Click(button);
    const auto after = Snapshot();
    std::map<std::string, bool> member;
    for (const ControlRef& ref : MembersOf(group)) member[Key(ref)] = true;
    const QColor expected = ToQColor(colour);
    for (const auto& [key, was] : before) {
      const Colours& now = after.at(key);
      Colours want = was;
      if (member[key]) {
        if (group == ColourGroup::kMoji) want.text = expected;
        if (group == ColourGroup::kButton) want.face = expected;
        if (group == ColourGroup::kBak) want.background = expected;
      }
      EXPECT_EQ(now, want) << button << " on " << key;
    }
  }
};

TEST_F(ColourTest, EachGroupReachesExactlyItsMembersHiddenPanelsIncluded) {
  EXPECT_EQ(MembersOf(ColourGroup::kMoji).size(), 27U);
  EXPECT_EQ(MembersOf(ColourGroup::kButton).size(), 29U);
  EXPECT_EQ(MembersOf(ColourGroup::kBak).size(), 17U);

  ExpectGroupOnly("cmdMoji", ColourGroup::kMoji, 0x0000FF);
  EXPECT_EQ(window_.MojiColr(), 0x0000FFU);
  ExpectGroupOnly("cmdButn", ColourGroup::kButton, 0x00FFFF);
  EXPECT_EQ(window_.ButtonColr(), 0x00FFFFU);
  ExpectGroupOnly("cmdHaikei", ColourGroup::kBak, 0x800000);
  EXPECT_EQ(window_.BakColr(), 0x800000U);
  // Black text on a black background is accepted as it comes.
  ExpectGroupOnly("cmdHaikei", ColourGroup::kBak, 0x000000);
  ExpectGroupOnly("cmdMoji", ColourGroup::kMoji, 0x000000);

  Click("opt10");
  EXPECT_FALSE(Control("fram1", 9)->isHidden());
  EXPECT_EQ(Control("fram1", 9)->palette().color(QPalette::Window), QColor(Qt::black));
}

TEST_F(ColourTest, CancelChangesNothingAndThePickerOpensOnTheLastConfirmedColour) {
  const auto before = Snapshot();
  picker_.Answer(std::nullopt);
  Click("cmdButn");
  EXPECT_EQ(Snapshot(), before);
  EXPECT_EQ(window_.ButtonColr(), 0U);
  EXPECT_EQ(window_.cmnDialog1().Color(), 0U);

  picker_.Answer(0x123456);
  Click("cmdMoji");
  picker_.Answer(std::nullopt);
  Click("cmdHaikei");
  picker_.Answer(0x654321);
  Click("cmdButn");
  EXPECT_EQ(picker_.opened_on_, (std::vector<Colour>{0, 0, 0x123456, 0x123456}));
  EXPECT_EQ(window_.cmnDialog1().Color(), 0x654321U);
  EXPECT_EQ(window_.BakColr(), 0U) << "the cancelled background choice left its variable";
}

TEST_F(ColourTest, FacesShowTheChosenColourExactly) {
  picker_.Answer(0x4080C0);
  Click("cmdButn");
  const QImage face = Control("cmdStr", 7)->grab().toImage();
  EXPECT_EQ(face.pixelColor(3, 3), QColor(0xC0, 0x80, 0x40));
}

TEST_F(WindowTest, AlwaysOnTopAlternatesItsFaceAndCallsTheStacking) {
  auto* mae = qobject_cast<QAbstractButton*>(Control("cmdMae"));
  EXPECT_EQ(mae->text(), QString::fromUtf8("前へ"));
  Click("cmdMae");
  EXPECT_EQ(mae->text(), QString::fromUtf8("元へ"));
  EXPECT_EQ(mae->toolTip(), QString::fromUtf8("常に前面をキャンセルします"));
  EXPECT_TRUE(window_.SwithMae());
  Click("chk1");
  Click("opt5");  // layouts leave the state alone
  EXPECT_TRUE(window_.SwithMae());
  Click("cmdMae");
  EXPECT_EQ(mae->text(), QString::fromUtf8("前へ"));
  EXPECT_EQ(mae->toolTip(), QString::fromUtf8("常に前面に置きます"));
  EXPECT_FALSE(window_.SwithMae());
  EXPECT_EQ(stacking_.calls_, (std::vector<bool>{true, false}));
}

}  // namespace
}  // namespace mirt2
