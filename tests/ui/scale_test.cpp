// The window at the scale the test runs at (QT_SCALE_FACTOR 1, 1.25, 1.5 or 2, see
// CMakeLists.txt) on an offscreen screen of 1280 x 1024 pixels.
#include <gtest/gtest.h>

#include <QImage>
#include <QTest>
#include <set>

#include "window_fixture.h"

namespace mirt2 {
namespace {

using testing::WindowTest;

// The colours along each side of a rectangle, corners left out: top, left, bottom, right.
std::vector<std::set<QRgb>> Sides(const QImage& shot, const QRect& r) {
  std::vector<std::set<QRgb>> sides(4);
  for (int x = r.left() + 2; x <= r.right() - 2; ++x) {
    sides[0].insert(shot.pixel(x, r.top()));
    sides[2].insert(shot.pixel(x, r.bottom()));
  }
  for (int y = r.top() + 2; y <= r.bottom() - 2; ++y) {
    sides[1].insert(shot.pixel(r.left(), y));
    sides[3].insert(shot.pixel(r.right(), y));
  }
  return sides;
}

TEST_F(WindowTest, ButtonFacesBevelsAndTheDefaultBorderAreWholeAtThisScale) {
  window_.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window_));
  const QImage shot = window_.grab().toImage();
  const qreal scale = shot.devicePixelRatio();
  const std::set<QRgb> white{qRgb(255, 255, 255)};
  const std::set<QRgb> grey{qRgb(128, 128, 128)};
  const std::set<QRgb> black{qRgb(0, 0, 0)};
  // The control panel's buttons (it covers the foot of panel 1's by design), 全部始 with the
  // default border.
  for (const auto& [design, bordered] : {std::pair{DesignRect(1880, 130, 200, 220), false},
                                         {DesignRect(120, 650, 700, 320), false},
                                         {DesignRect(880, 650, 900, 320), true},
                                         {DesignRect(1830, 650, 900, 320), false}}) {
    SCOPED_TRACE(design.left());
    const QRect logical = design.translated(0, Px(450));
    // Each edge at the nearest device pixel boundary.
    QRect r(QPoint(qRound(logical.left() * scale), qRound(logical.top() * scale)),
            QPoint(qRound((logical.right() + 1) * scale) - 1,
                   qRound((logical.bottom() + 1) * scale) - 1));
    for (const std::set<QRgb>& outside : Sides(shot, r.adjusted(-1, -1, 1, 1))) {
      EXPECT_EQ(outside.count(qRgb(0, 255, 0)), 0U) << "face colour outside the button";
    }
    if (bordered) {
      EXPECT_EQ(Sides(shot, r), std::vector({black, black, black, black}));
      while (shot.pixel(r.left(), r.center().y()) == qRgb(0, 0, 0)) r.adjust(1, 1, -1, -1);
    }
    EXPECT_EQ(Sides(shot, r), std::vector({white, white, grey, grey}));
  }
}

TEST_F(WindowTest, TheTallestLayoutStaysWhereTheTablePutsItOnItsScreen) {
  window_.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window_));
  C().chk1->click();
  opt(10)->click();
  EXPECT_EQ(window_.Geometry().Height(), 6890);
  EXPECT_EQ(window_.Geometry().Width(), testing::kDesignWidth);
  // At a scale of 2 the screen is 640 x 512: from Top 980 (65 px) the 431-pixel client area
  // ends at 496, on the screen.
  EXPECT_EQ(window_.frameGeometry().top(), Px(980));
  EXPECT_EQ(window_.height(), 431);
  EXPECT_EQ(window_.Geometry().Top(), 980);

  C().chk1->click();  // the check box keeps the Top
  EXPECT_EQ(window_.Geometry().Height(), 6460);
  EXPECT_EQ(window_.frameGeometry().top(), Px(980));
  opt(1)->click();
  EXPECT_EQ(window_.Geometry().Top(), 5540);
}

}  // namespace
}  // namespace mirt2
