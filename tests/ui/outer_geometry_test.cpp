#include "outer_geometry.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace mirt2 {
namespace {

// A title bar of this many pixels above the client area: none (offscreen), openbox's, mutter's
// and KWin's, and a thick one.
class OuterGeometryTest : public ::testing::TestWithParam<int> {
 protected:
  OuterGeometry geometry_{window_, [this] { return frame_; }};
  QWidget window_;
  QMargins frame_{0, GetParam(), 0, 0};
};

// The client area of each layout, in pixels: the design's outer twips less 90 across and 420
// down, whatever frame the platform adds.
TEST_P(OuterGeometryTest, TheClientAreaIsTheDesignsWhateverTheFrame) {
  geometry_.SetWidth(2900);
  geometry_.SetTop(5530);
  geometry_.SetHeight(1900);
  EXPECT_EQ(window_.size(), QSize(187, 99));
  EXPECT_EQ(geometry_.Width(), 2900);
  EXPECT_EQ(geometry_.Height(), 1900);
  EXPECT_EQ(geometry_.Top(), 5530);

  // The frame becomes known, or changes, once the window is framed: the size stays.
  frame_ = QMargins(4, GetParam() + 7, 4, 4);
  geometry_.FrameMayHaveChanged();
  EXPECT_EQ(window_.size(), QSize(187, 99));

  for (const auto& [height, client] : {std::pair{2330, 127},
                                       {6890, 431},
                                       {6460, 403},
                                       {6890, 431},
                                       {3930, 234},
                                       {4360, 263},
                                       {3930, 234}}) {
    geometry_.SetHeight(height);
    EXPECT_EQ(window_.height(), client) << height;
    EXPECT_EQ(geometry_.Height(), height);
  }
  EXPECT_EQ(geometry_.Width(), 2900);
  EXPECT_EQ(window_.width(), 187);
}

// Where the frame would end below the screen, the window moves up by just that much, its
// frame included.
TEST_P(OuterGeometryTest, TheFrameStaysOnTheScreen) {
  const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
  ASSERT_EQ(area, QRect(0, 0, 800, 800)) << "the offscreen platform's screen";
  geometry_.SetWidth(2900);
  geometry_.SetHeight(1900);
  geometry_.SetTop(11250);  // 750 px, 50 above the screen's bottom edge
  const int moved_to[] = {701, 680, 664, 641};
  const int top = moved_to[GetParam() == 0 ? 0 : GetParam() == 21 ? 1 : GetParam() == 37 ? 2 : 3];
  EXPECT_EQ(window_.y(), top);
  EXPECT_EQ(geometry_.Top(), top * 15);
  EXPECT_EQ(window_.size(), QSize(187, 99));
}

// Only a Top set places the window; a size or a frame that changes after the person moved it
// leaves it where they put it, on the screen.
TEST_P(OuterGeometryTest, AMovedWindowStaysThroughSizesAndFrames) {
  geometry_.SetWidth(2900);
  geometry_.SetTop(5530);
  geometry_.SetHeight(1900);
  window_.move(window_.x(), 500);
  geometry_.FrameMayHaveChanged();
  geometry_.SetHeight(2330);
  EXPECT_EQ(window_.y(), 500);
  frame_ = QMargins(4, GetParam() + 7, 4, 4);
  geometry_.FrameMayHaveChanged();
  EXPECT_EQ(window_.y(), 500);
  geometry_.SetTop(5540);
  EXPECT_EQ(window_.y(), 369);
}

INSTANTIATE_TEST_SUITE_P(TitleBars, OuterGeometryTest, ::testing::Values(0, 21, 37, 60),
                         [](const ::testing::TestParamInfo<int>& info) {
                           return "Frame" + std::to_string(info.param);
                         });

}  // namespace
}  // namespace mirt2
