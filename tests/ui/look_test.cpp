// What a person sees: captions whole inside their labels, a focus mark on any colour, one
// direction in every locale.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetricsF>
#include <QTest>

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
  struct TimeLabel {
    std::string_view name;
    int index;
    QRect design;
  };
  std::vector<TimeLabel> labels = {{"lblStrJikan", 0, DesignRect(30, 350, 850, 252)},
                                   {"lblImaJikan", 0, DesignRect(900, 350, 950, 252)}};
  for (int i = 1; i <= kStopwatchCount; ++i) {
    labels.push_back({"lblJikan", i, DesignRect(500, 180, 1056, 252)});
  }
  for (const TimeLabel& time : labels) {
    auto* label = qobject_cast<CaptionLabel*>(Control(time.name, time.index));
    for (const QString& text : widest) {
      SCOPED_TRACE(std::string(time.name) + std::to_string(time.index) + " " + text.toStdString());
      label->SetCaption(text);
      EXPECT_LE(QFontMetricsF(label->DrawnFont()).horizontalAdvance(text), time.design.width());
      EXPECT_EQ(label->geometry(), time.design);
    }
    // A running time keeps its size from second to second.
    label->SetCaption("10:00:00 PM");
    const QFont drawn = label->DrawnFont();
    label->SetCaption("10:34:57 PM");
    EXPECT_EQ(label->DrawnFont(), drawn);
  }
}

}  // namespace
}  // namespace mirt2
