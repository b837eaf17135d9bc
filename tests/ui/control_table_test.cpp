// The design-time properties of every control, read back from the live window.
#include <gtest/gtest.h>

#include <initializer_list>
#include <tuple>

#include "window_fixture.h"

namespace mirt2 {
namespace {

using testing::WindowTest;

QString U(const char* utf8) {
  return QString::fromUtf8(utf8);
}

// What a control shows as its caption: a button's or a label's text.
QString CaptionOf(const QWidget* control) {
  if (const auto* button = qobject_cast<const QAbstractButton*>(control)) return button->text();
  if (const auto* label = qobject_cast<const QLabel*>(control)) return label->text();
  return {};
}

TEST_F(WindowTest, CaptionsAndToolTipsAreExact) {
  // The full-width characters are spelled as bytes so that a stray ASCII look-alike fails.
  EXPECT_EQ(window_.windowTitle(), U("ミルテス-\xEF\xBC\x92"));
  EXPECT_EQ(C().cmdReset->toolTip(), U("\"\xEF\xBC\x90\"に戻します"));
  EXPECT_EQ(window_.font().families().front(), U("\xEF\xBC\xAD\xEF\xBC\xB3 \xEF\xBC\xB0ゴシック"));

  struct Text {
    const QWidget* control;
    const char* caption;
    const char* tool_tip;
  };
  const Text texts[] = {
      {C().fram2, "", ""},
      {C().fram3, "", ""},
      {C().lblStrt, "開始時刻", ""},
      {C().lblIma, "現在時刻", ""},
      {C().cmdReset, "0", "\"０\"に戻します"},
      {C().chk1, "", "オプション"},
      {C().lblStrJikan, "00:00:00", ""},
      {C().lblImaJikan, "00:00:00", ""},
      {C().cmdEnd, "終了", ""},
      {C().cmbAlStr, "全部始", ""},
      {C().cmdAlStp, "全部止", ""},
      {C().cmdMoji, "字色", "ボタン以外の文字色を変えます"},
      {C().cmdButn, "ボタン", "ボタンの色を変えます（文字色は変わりません）"},
      {C().cmdHaikei, "背色", "背景色を変えます"},
      {C().cmdCopy, "コピー", "番号無しでタイマーの時間をクリップボードに送ります"},
      {C().cmdMae, "前へ", "常に前面に置きます"},
  };
  for (const testing::DesignMode& mode : testing::kDesignModes) {
    EXPECT_EQ(CaptionOf(opt(mode.panels)), U(mode.caption));
    EXPECT_EQ(opt(mode.panels)->toolTip(), "");
  }
  for (const Text& t : texts) {
    EXPECT_EQ(CaptionOf(t.control), U(t.caption)) << t.control->objectName().toStdString();
    EXPECT_EQ(t.control->toolTip(), U(t.tool_tip)) << t.control->objectName().toStdString();
  }
  for (int i = 1; i <= kStopwatchCount; ++i) {
    EXPECT_EQ(lblNo(i)->text(), QString::number(i) + "-");
    EXPECT_EQ(lblJikan(i)->text(), "00:00:00");
    EXPECT_EQ(cmdStr(i)->text(), U("始"));
    EXPECT_EQ(cmdStp(i)->text(), U("止"));
  }
}

// Panels are placed by the start-up and layout tests; these are the controls inside them.
TEST_F(WindowTest, ControlsSitInTheirContainersAtTheirDesignRectangles) {
  struct Box {
    const QWidget* control;
    const QWidget* container;
    int left, top, width, height;
  };
  const Box boxes[] = {
      {C().fram2, &window_, 0, 450, 2800, 1030},
      {C().fram3, &window_, 0, 1440, 2800, 492},
      {lblNo(4), fram1(4), 50, 170, 400, 252},
      {lblJikan(7), fram1(7), 500, 180, 1056, 252},
      {cmdStr(1), fram1(1), 1700, 130, 440, 350},
      {cmdStp(10), fram1(10), 2220, 130, 440, 350},
      {C().cmdReset, C().fram2, 1880, 130, 200, 220},
      {C().chk1, C().fram2, 2550, 400, 180, 180},
      {C().lblImaJikan, C().fram2, 900, 350, 950, 252},
      {C().cmdButn, C().fram3, 540, 130, 600, 300},
      {C().cmdMae, C().fram3, 2300, 130, 500, 300},
  };
  for (const testing::DesignMode& mode : testing::kDesignModes) {
    EXPECT_EQ(opt(mode.panels)->parentWidget(), C().fram2);
    EXPECT_EQ(opt(mode.panels)->geometry(), DesignRect(mode.option_left, mode.option_top, 550, 180))
        << testing::OptionName(mode.panels);
  }
  for (const Box& b : boxes) {
    SCOPED_TRACE(b.control->objectName().toStdString());
    EXPECT_EQ(b.control->parentWidget(), b.container);
    EXPECT_EQ(b.control->geometry(), DesignRect(b.left, b.top, b.width, b.height));
  }
  EXPECT_EQ(fram1(3)->size(), DesignRect(0, 0, 2750, 500).size());
}

// The colour settings recolour these groups wholesale, so every member must start in the
// group's design colour.
TEST_F(WindowTest, ColoursFollowTheKindOfControl) {
  const QColor dark_green(0x00, 0x80, 0x00);
  const QColor white(0xFF, 0xFF, 0xFF);
  const QColor light_yellow(0xFF, 0xFF, 0x80);
  EXPECT_EQ(window_.palette().color(QPalette::Window), dark_green);
  for (const QWidget* control : C().all) {
    SCOPED_TRACE(control->objectName().toStdString());
    const QPalette& palette = control->palette();
    if (const auto* button = qobject_cast<const FaceButton*>(control)) {
      EXPECT_EQ(button->Face(), QColor(0x00, 0xFF, 0x00));
    } else if (qobject_cast<const CaptionLabel*>(control) != nullptr) {
      EXPECT_FALSE(control->autoFillBackground()) << "transparent";
      const bool time = control->objectName().startsWith("lblJikan");
      EXPECT_EQ(palette.color(QPalette::WindowText), time ? light_yellow : white);
    } else {
      EXPECT_TRUE(control->autoFillBackground());
      EXPECT_EQ(palette.color(QPalette::Window), dark_green);
      if (qobject_cast<const QRadioButton*>(control) != nullptr) {
        EXPECT_EQ(palette.color(QPalette::WindowText), white);
      }
    }
  }
}

// The fonts differ where the design sets the two time labels apart.
TEST_F(WindowTest, FontsThatDifferSubtly) {
  const auto style = [](const QWidget* w) {
    return std::tuple{w->font().pointSizeF(), w->font().bold(), w->font().underline()};
  };
  EXPECT_EQ(style(C().lblStrJikan), std::tuple(10.5, false, false));
  EXPECT_EQ(style(C().lblImaJikan), std::tuple(10.5, true, false));
  EXPECT_EQ(style(C().lblStrt), std::tuple(9.0, false, true));
  EXPECT_EQ(style(C().cmdReset), std::tuple(7.5, false, false));
  EXPECT_EQ(style(lblJikan(2)), std::tuple(12.0, true, false));
  for (const QWidget* w :
       std::initializer_list<const QWidget*>{C().chk1, C().cmdMoji, C().cmdMae}) {
    EXPECT_EQ(w->font(), window_.font()) << "the window's own: " << w->objectName().toStdString();
  }
  EXPECT_EQ(style(&window_), std::tuple(9.0, false, false));
}

TEST_F(WindowTest, OptionsStartAsDesignedAndTheFirstTickComesAtOnce) {
  for (const testing::DesignMode& mode : testing::kDesignModes) {
    EXPECT_EQ(opt(mode.panels)->isChecked(), mode.panels == 1) << mode.panels;
  }
  EXPECT_FALSE(C().chk1->isChecked());
  EXPECT_TRUE(C().fram3->isHidden());
  EXPECT_EQ(window_.Timer1().interval(), 0) << "the first tick comes at once";
}

}  // namespace
}  // namespace mirt2
