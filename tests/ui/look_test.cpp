// What a person sees: captions whole inside their labels, a focus mark on any colour, one
// direction in every locale.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetricsF>
#include <QLibraryInfo>
#include <QTest>
#include <QTranslator>
#include <cmath>
#include <initializer_list>

#include "caption_label.h"
#include "window_fixture.h"

namespace mirt2 {
namespace {

using testing::WindowTest;

TEST_F(WindowTest, EveryTimeIsDrawnWholeInsideItsLabelUnderEveryRegionalFormat) {
  window_.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window_));
  // The widest text of each format: a two-digit hour and each day period.
  const QStringList widest = {
      "23:59:59",                        // H:mm:ss, HH:mm:ss
      "12:59:59 AM",   "12:59:59 PM",    // h:mm:ss tt
      "오전 12:59:59", "오후 12:59:59",  // tt h:mm:ss (Korean)
      "上午12:59:59",  "下午12:59:59",   // tth:mm:ss (Chinese, Taiwan)
      "23時59分59秒",                    // H時mm分ss秒
  };
  auto check = [&](CaptionLabel* label, const QRect& design) {
    for (const QString& text : widest) {
      SCOPED_TRACE(label->objectName().toStdString() + " " + text.toStdString());
      label->SetCaption(text);
      EXPECT_LE(QFontMetricsF(label->DrawnFont()).horizontalAdvance(text), design.width());
      EXPECT_EQ(label->geometry(), design);
    }
    // A running time keeps its size from second to second.
    label->SetCaption("10:00:00 PM");
    const QFont drawn = label->DrawnFont();
    label->SetCaption("10:34:57 PM");
    EXPECT_EQ(label->DrawnFont(), drawn);
  };
  check(C().lblStrJikan, DesignRect(30, 350, 850, 252));
  check(C().lblImaJikan, DesignRect(900, 350, 950, 252));
  for (int i = 1; i <= kStopwatchCount; ++i) check(lblJikan(i), DesignRect(500, 180, 1056, 252));
}

// The contrast ratio of two colours, from their relative luminance.
double Contrast(const QColor& a, const QColor& b) {
  auto luminance = [](const QColor& c) {
    auto linear = [](double v) {
      return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
  };
  const double la = luminance(a) + 0.05;
  const double lb = luminance(b) + 0.05;
  return la > lb ? la / lb : lb / la;
}

TEST_F(WindowTest, TheFocusMarkShowsWithoutTheKeyboardAndStandsOutOnAnyColour) {
  window_.show();
  window_.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window_));
  // No key is pressed, as at start: the mark must show without the keyboard.
  // The design's green, the grey on which neither black nor white stands out well, navy.
  for (const auto& [colour, ground] : {std::pair{Colour{0x00FF00}, QColor(0x00, 0xFF, 0x00)},
                                       {Colour{0x767676}, QColor(0x76, 0x76, 0x76)},
                                       {Colour{0x800000}, QColor(0x00, 0x00, 0x80)}}) {
    picker_.Answer(colour);
    window_.cmdButn_Click();
    picker_.Answer(colour);
    window_.cmdHaikei_Click();
    for (QWidget* control : std::initializer_list<QWidget*>{C().cmbAlStr, opt(10), C().chk1}) {
      SCOPED_TRACE(control->objectName().toStdString() + " on " + ground.name().toStdString());
      C().cmdEnd->setFocus();
      const QImage without = control->grab().toImage();
      control->setFocus();
      const QImage with = control->grab().toImage();
      int marked = 0;
      for (int y = 0; y < with.height(); ++y) {
        for (int x = 0; x < with.width(); ++x) {
          if (with.pixel(x, y) == without.pixel(x, y)) continue;
          ++marked;
          EXPECT_GE(Contrast(with.pixelColor(x, y), ground), 3.0) << x << "," << y;
        }
      }
      // A ring round the caption or the box, not a speck.
      EXPECT_GE(marked, with.height() * 2) << "pixels that show the focus";
    }
  }
}

TEST_F(WindowTest, TheWindowStaysLeftToRightWhereQtsTranslationTurnsTheApplication) {
  QTranslator hebrew;
  if (!hebrew.load(QLocale(QLocale::Hebrew), "qtbase", "_",
                   QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    GTEST_SKIP() << "Qt's Hebrew translation is not installed";
  }
  QApplication::installTranslator(&hebrew);
  EXPECT_EQ(QGuiApplication::layoutDirection(), Qt::RightToLeft) << "the translation took";
  for (const QWidget* widget : C().all) {
    EXPECT_EQ(widget->layoutDirection(), Qt::LeftToRight) << widget->objectName().toStdString();
  }
  QApplication::removeTranslator(&hebrew);
}

}  // namespace
}  // namespace mirt2
