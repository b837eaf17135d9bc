#include "layout_plan.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <climits>
#include <stdexcept>
#include <utility>
#include <vector>

#include "control_table.h"
#include "model_window.h"
#include "startup_plan.h"

namespace mirt2 {
namespace {

using testing::ModelWindow;

constexpr std::array<std::pair<int, int>, 10> kDesignPositions = {{
    {30, 0},
    {30, 2400},
    {30, 2880},
    {2880, 0},
    {2880, 480},
    {2880, 960},
    {2880, 1440},
    {2880, 1920},
    {2880, 2400},
    {2880, 2880},
}};

constexpr int ModePanelTop(int i) {
  return 507 * (i - 1);
}

void ExpectPanel(ModelWindow& w, int i, bool visible, int left, int top) {
  SCOPED_TRACE(::testing::Message() << "fram1(" << i << ")");
  EXPECT_EQ(w.fram1(i).visible, visible);
  EXPECT_EQ(w.fram1(i).left, left);
  EXPECT_EQ(w.fram1(i).top, top);
}

TEST(LayoutPlanTest, StartsInTheLoadHandlersGeometry) {
  ModelWindow w;
  EXPECT_EQ(w.window().top, 5530);
  EXPECT_EQ(w.window().height, 1900);
  EXPECT_EQ(w.fram2().top, 450);
  EXPECT_EQ(w.fram3().top, 1440);
  EXPECT_FALSE(w.fram3().visible);
  for (int i = 1; i <= 10; ++i) {
    const auto [left, top] = kDesignPositions[i - 1];
    ExpectPanel(w, i, true, left, top);
  }
}

TEST(LayoutPlanTest, EachModeFromStartUpGivesTheTablesGeometry) {
  struct Row {
    int mode, check, top, height, fram2_top, fram3_top;
    bool fram3_visible;
  };
  const Row rows[] = {
      {1, 0, 5540, 1900, 450, 1440, false},  {1, 1, 5540, 2330, 450, 1410, true},
      {5, 0, 3510, 3930, 2480, 1440, false}, {5, 1, 3510, 4350, 2480, 3430, true},
      {10, 0, 980, 6470, 5010, 1440, false}, {10, 1, 980, 6890, 5010, 5970, true},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(::testing::Message() << "mode " << r.mode << ", chk1 " << r.check);
    ModelWindow w;
    w.ChooseMode(r.mode, r.check);
    EXPECT_EQ(w.window().top, r.top);
    EXPECT_EQ(w.window().height, r.height);
    EXPECT_EQ(w.fram2().top, r.fram2_top);
    EXPECT_EQ(w.fram2().left, 0);
    EXPECT_EQ(w.fram3().top, r.fram3_top);
    EXPECT_EQ(w.fram3().left, 0);
    EXPECT_EQ(w.fram3().visible, r.fram3_visible);
    for (int i = 1; i <= 10; ++i) {
      if (i <= r.mode) {
        ExpectPanel(w, i, true, 30, ModePanelTop(i));
      } else {
        const auto [left, top] = kDesignPositions[i - 1];
        ExpectPanel(w, i, false, left, top);
      }
    }
  }
}

TEST(LayoutPlanTest, CheckBoxGrowsAndShrinksFromTheCurrentHeight) {
  struct Row {
    int mode;  // 0: straight after start-up
    int check_on_mode;
    int height;
    int after_first_click;
    int fram3_top_when_shown;
    int after_second_click;
  };
  // From a hidden options panel the first click checks; from a shown one it unchecks.
  const Row rows[] = {
      {0, 0, 1900, 2330, 1410, 1900},  {1, 0, 1900, 2330, 1410, 1900},
      {5, 0, 3930, 4360, 3440, 3930},  {10, 0, 6470, 6900, 5980, 6470},
      {1, 1, 2330, 1900, 1410, 2330},  {5, 1, 4350, 3920, 3430, 4350},
      {10, 1, 6890, 6460, 5970, 6890},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(::testing::Message() << "mode " << r.mode << ", chk1 " << r.check_on_mode);
    ModelWindow w;
    if (r.mode != 0) w.ChooseMode(r.mode, r.check_on_mode);
    const int top = w.window().top;
    ASSERT_EQ(w.window().height, r.height);

    const bool shown = r.check_on_mode == 1;
    w.ClickCheckBox(shown ? 0 : 1);
    EXPECT_EQ(w.window().height, r.after_first_click);
    EXPECT_EQ(w.fram3().visible, !shown);
    w.ClickCheckBox(shown ? 1 : 0);
    EXPECT_EQ(w.window().height, r.after_second_click);
    EXPECT_EQ(w.fram3().visible, shown);
    EXPECT_EQ(w.fram3().top, r.fram3_top_when_shown);
    EXPECT_EQ(w.window().top, top);
  }
}

TEST(LayoutPlanTest, ChangingModeHidesPanelsWhereTheyStand) {
  ModelWindow w;
  w.ChooseMode(10, 0);
  w.ChooseMode(5, 0);
  for (int i = 1; i <= 10; ++i) ExpectPanel(w, i, i <= 5, 30, ModePanelTop(i));

  w.ChooseMode(10, 0);
  w.ChooseMode(1, 0);
  for (int i = 1; i <= 10; ++i) ExpectPanel(w, i, i == 1, 30, ModePanelTop(i));
  EXPECT_EQ(w.window().top, 5540);
  EXPECT_EQ(w.window().height, 1900);
  EXPECT_EQ(w.fram2().top, 450);
}

TEST(LayoutPlanTest, RechoosingAModeUndoesTheCheckBoxDrift) {
  ModelWindow w;
  w.ChooseMode(5, 0);
  w.ClickCheckBox(1);
  ASSERT_EQ(w.window().height, 4360);
  w.ChooseMode(5, 1);
  EXPECT_EQ(w.window().top, 3510);
  EXPECT_EQ(w.window().height, 4350);
  EXPECT_EQ(w.fram3().top, 3430);

  w.ClickCheckBox(0);
  ASSERT_EQ(w.window().height, 3920);
  w.ChooseMode(5, 0);
  EXPECT_EQ(w.window().height, 3930);
  EXPECT_FALSE(w.fram3().visible);
}

TEST(LayoutPlanTest, GrayedCheckBoxLeavesOptionsAloneInModesAndHidesThemWhenClicked) {
  ModelWindow w;
  w.ChooseMode(5, 1);
  w.ChooseMode(10, kCheckGrayed);
  EXPECT_EQ(w.window().top, 980);
  EXPECT_EQ(w.window().height, 4350);
  EXPECT_EQ(w.fram2().top, 5010);
  EXPECT_EQ(w.fram3().top, 3430);
  EXPECT_TRUE(w.fram3().visible);
  for (int i = 1; i <= 10; ++i) ExpectPanel(w, i, true, 30, ModePanelTop(i));

  w.ClickCheckBox(kCheckGrayed);
  EXPECT_EQ(w.window().height, 3920);
  EXPECT_FALSE(w.fram3().visible);
}

TEST(LayoutPlanTest, UnknownModeChangesNothing) {
  for (int mode : {-1, 0, 2, 4, 6, 11}) EXPECT_TRUE(PlanDisplayMode(mode, 1).empty()) << mode;
}

TEST(LayoutPlanTest, ModeOnePlanRunsInItsOrder) {
  const LayoutTarget window{LayoutObject::kWindow};
  const LayoutTarget fram3{LayoutObject::kFram3};
  std::vector<LayoutAssignment> expected;
  for (int i = 2; i <= 10; ++i) {
    expected.push_back({{LayoutObject::kFram1, i}, LayoutProperty::kVisible, false});
  }
  expected.push_back({window, LayoutProperty::kTop, 5540});
  expected.push_back({window, LayoutProperty::kHeight, 2330});
  expected.push_back({fram3, LayoutProperty::kTop, WindowHeightMinus{920}});
  expected.push_back({fram3, LayoutProperty::kVisible, true});
  expected.push_back({{LayoutObject::kFram1, 1}, LayoutProperty::kTop, 0});
  expected.push_back({{LayoutObject::kFram2}, LayoutProperty::kTop, 450});
  EXPECT_TRUE(PlanDisplayMode(1, 1) == expected);
}

TEST(LayoutPlanTest, OptionsPanelFollowsTheHeightTheWindowActuallyGot) {
  ModelWindow w;
  w.screen_limit = 5000;
  w.ChooseMode(10, 1);
  EXPECT_EQ(w.window().height, 5000);
  EXPECT_EQ(w.fram3().top, 4080);
}

TEST(LayoutPlanTest, MalformedPlanIsRejectedBeforeAnyStep) {
  const LayoutTarget window{LayoutObject::kWindow};
  const std::vector<LayoutAssignment> bad[] = {
      {{window, LayoutProperty::kVisible, 1}},
      {{window, LayoutProperty::kHeight, true}},
      {{{LayoutObject::kFram1, 0}, LayoutProperty::kTop, 0}},
      {{{LayoutObject::kFram1, 11}, LayoutProperty::kVisible, true}},
      {{{LayoutObject::kFram3, 1}, LayoutProperty::kTop, 0}},
  };
  for (const auto& tail : bad) {
    ModelWindow w;
    std::vector<LayoutAssignment> plan = {{window, LayoutProperty::kTop, 100}};
    plan.insert(plan.end(), tail.begin(), tail.end());
    EXPECT_THROW(ApplyLayout(plan, w), std::invalid_argument);
    EXPECT_EQ(w.window().top, 5530);
  }
}

}  // namespace
}  // namespace mirt2
