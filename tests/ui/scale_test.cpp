// The window at the scale the test runs at (QT_SCALE_FACTOR 1, 1.25, 1.5 or 2, see
// CMakeLists.txt) on an offscreen screen of 1280 x 1024 pixels.
#include <gtest/gtest.h>

#include <QImage>
#include <QTest>

#include "window_fixture.h"

namespace mirt2 {
namespace {

using testing::WindowTest;

const QColor kFace(0, 255, 0);

TEST_F(WindowTest, ButtonFacesBevelsAndTheDefaultBorderAreWholeAtThisScale) {
  window_.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window_));
  const QImage shot = window_.grab().toImage();
  const qreal scale = shot.devicePixelRatio();
  auto device = [scale](int logical) { return qRound(logical * scale); };
  struct Button {
    const char* name;
    QPoint container;  // pixels
    QRect design;      // pixels in the container
    bool window_default;
  };
  // The buttons of the control panel; the panel covers the foot of panel 1's by design.
  const QPoint fram2(0, Px(450));
  for (const Button& b : {
           Button{"cmdReset", fram2, DesignRect(1880, 130, 200, 220), false},
           Button{"cmdEnd", fram2, DesignRect(120, 650, 700, 320), false},
           Button{"cmbAlStr", fram2, DesignRect(880, 650, 900, 320), true},
           Button{"cmdAlStp", fram2, DesignRect(1830, 650, 900, 320), false},
       }) {
    SCOPED_TRACE(b.name);
    const QRect logical = b.design.translated(b.container);
    // Edges at the nearest device pixel boundary; right and bottom inclusive.
    QRect r(QPoint(device(logical.left()), device(logical.top())),
            QPoint(device(logical.right() + 1) - 1, device(logical.bottom() + 1) - 1));
    for (int x = r.left(); x <= r.right(); ++x) {
      EXPECT_NE(shot.pixelColor(x, r.top() - 1), kFace) << "face above, x " << x;
      EXPECT_NE(shot.pixelColor(x, r.bottom() + 1), kFace) << "face below, x " << x;
    }
    for (int y = r.top(); y <= r.bottom(); ++y) {
      EXPECT_NE(shot.pixelColor(r.left() - 1, y), kFace) << "face left, y " << y;
      EXPECT_NE(shot.pixelColor(r.right() + 1, y), kFace) << "face right, y " << y;
    }
    if (b.window_default) {
      int border = 0;
      while (shot.pixelColor(r.left() + border, r.center().y()) == Qt::black) ++border;
      ASSERT_GE(border, 1);
      for (int x = r.left(); x <= r.right(); ++x) {
        EXPECT_EQ(shot.pixelColor(x, r.top()), Qt::black) << "x " << x;
        EXPECT_EQ(shot.pixelColor(x, r.bottom()), Qt::black) << "x " << x;
      }
      for (int y = r.top(); y <= r.bottom(); ++y) {
        EXPECT_EQ(shot.pixelColor(r.left(), y), Qt::black) << "y " << y;
        EXPECT_EQ(shot.pixelColor(r.right(), y), Qt::black) << "y " << y;
      }
      r.adjust(border, border, -border, -border);
    }
    // Raised: light above and left, dark below and right, the whole length of each side.
    for (int x = r.left() + 2; x <= r.right() - 2; ++x) {
      EXPECT_EQ(shot.pixelColor(x, r.top()), Qt::white) << "x " << x;
      EXPECT_EQ(shot.pixelColor(x, r.bottom()), QColor(0x80, 0x80, 0x80)) << "x " << x;
    }
    for (int y = r.top() + 2; y <= r.bottom() - 2; ++y) {
      EXPECT_EQ(shot.pixelColor(r.left(), y), Qt::white) << "y " << y;
      EXPECT_EQ(shot.pixelColor(r.right(), y), QColor(0x80, 0x80, 0x80)) << "y " << y;
    }
  }
}

TEST_F(WindowTest, TheWindowMovesUpJustEnoughToStayOnItsScreen) {
  window_.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window_));
  Click("chk1");
  Click("opt10");
  EXPECT_EQ(window_.Geometry().Height(), 6890);
  EXPECT_EQ(window_.Geometry().Width(), 2900);
  // At a scale of 2 the screen is 640 x 512: from Top 980 (65 px) the 459-pixel window
  // would end at 524. At the other scales it fits where the table puts it.
  const bool moved = window_.devicePixelRatioF() == 2;
  const int top = moved ? 512 - Px(6890) : Px(980);
  EXPECT_EQ(window_.frameGeometry().top(), top);
  EXPECT_EQ(window_.Geometry().Top(), moved ? top * 15 : 980);

  Click("chk1");  // the check box keeps the Top
  EXPECT_EQ(window_.Geometry().Height(), 6460);
  EXPECT_EQ(window_.frameGeometry().top(), top);
  Click("opt1");
  EXPECT_EQ(window_.Geometry().Top(), 5540);
}

}  // namespace
}  // namespace mirt2
