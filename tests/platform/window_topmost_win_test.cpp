// Real windows through the Windows API: on Windows, or under Wine with its
// null display driver.
#include <windows.h>

#include <gtest/gtest.h>

#include "window_topmost.h"

namespace mirt2 {
namespace {

HWND MakeWindow() {
  // Never shown: stacking state and geometry hold for hidden windows too.
  return CreateWindowExW(0, L"STATIC", L"mirt2 test", WS_OVERLAPPEDWINDOW, 40, 50, 300, 120,
                         nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
}

bool IsTopmost(HWND window) {
  return (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

struct Bounds {
  LONG left, top, right, bottom;
  friend bool operator==(const Bounds&, const Bounds&) = default;
};

Bounds BoundsOf(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return {r.left, r.top, r.right, r.bottom};
}

class SetTopmostNativeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window_ = MakeWindow();
    ASSERT_NE(window_, nullptr) << "CreateWindowExW failed: " << GetLastError();
  }
  void TearDown() override {
    if (window_) DestroyWindow(window_);
  }
  HWND window_ = nullptr;
};

TEST_F(SetTopmostNativeTest, JoinsAndLeavesTheTopmostBandInPlace) {
  const Bounds bounds = BoundsOf(window_);
  ASSERT_FALSE(IsTopmost(window_));

  EXPECT_TRUE(SetTopmostNative(window_, true));
  EXPECT_TRUE(IsTopmost(window_));
  EXPECT_EQ(BoundsOf(window_), bounds);

  // Asked again, it stays there.
  EXPECT_TRUE(SetTopmostNative(window_, true));
  EXPECT_TRUE(IsTopmost(window_));

  EXPECT_TRUE(SetTopmostNative(window_, false));
  EXPECT_FALSE(IsTopmost(window_));
  EXPECT_EQ(BoundsOf(window_), bounds);
}

// Windows' refusal reaches the caller, so that the button never claims what did not happen.
TEST(SetTopmostNativeHandleTest, SaysSoForAHandleThatNamesNoWindow) {
  EXPECT_FALSE(SetTopmostNative(nullptr, true));
  EXPECT_FALSE(SetTopmostNative(nullptr, false));

  HWND gone = MakeWindow();
  ASSERT_NE(gone, nullptr);
  ASSERT_TRUE(DestroyWindow(gone));
  EXPECT_FALSE(SetTopmostNative(gone, true));
}

}  // namespace
}  // namespace mirt2
