#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <climits>

#include "control_table.h"
#include "layout_plan.h"
#include "startup_plan.h"

namespace mirt2::testing {

struct Geometry {
  int left = 0;
  int top = 0;
  int height = 0;
  bool visible = true;
};

// The window as ApplyLayout drives it, on plain numbers, starting in the
// geometry that the control table and the load handler give it. A screen
// limit, like a real toolkit, can refuse a tall window.
class ModelWindow final : public LayoutSurface {
 public:
  ModelWindow() {
    for (int i = 1; i <= kStopwatchCount; ++i) Seed({LayoutObject::kFram1, i});
    Seed({LayoutObject::kFram2});
    Seed({LayoutObject::kFram3});
    Seed({LayoutObject::kWindow});
    for (const StartupAssignment& s : kStartupAssignments) {
      if (s.target.name != kWindowName) continue;
      if (s.property == StartupProperty::kTop) window().top = s.value;
      if (s.property == StartupProperty::kHeight) window().height = s.value;
    }
  }

  void SetLeft(LayoutTarget t, int twips) override { At(t).left = twips; }
  void SetTop(LayoutTarget t, int twips) override { At(t).top = twips; }
  void SetHeight(LayoutTarget t, int twips) override {
    At(t).height = std::min(twips, screen_limit);
  }
  void SetVisible(LayoutTarget t, bool visible) override { At(t).visible = visible; }
  [[nodiscard]] int WindowHeight() const override { return Of(kWindowTarget).height; }

  [[nodiscard]] const Geometry& Of(LayoutTarget t) const { return places_.at(Slot(t)); }
  Geometry& window() { return At(kWindowTarget); }
  Geometry& fram1(int i) { return At({LayoutObject::kFram1, i}); }
  Geometry& fram2() { return At({LayoutObject::kFram2}); }
  Geometry& fram3() { return At({LayoutObject::kFram3}); }

  void ChooseMode(int mode, int check_value) {
    ApplyLayout(PlanDisplayMode(mode, check_value), *this);
  }
  void ClickCheckBox(int new_value) {
    ApplyLayout(PlanOptionsPanel(new_value, WindowHeight()), *this);
  }

  static constexpr LayoutTarget kWindowTarget{LayoutObject::kWindow};
  int screen_limit = INT_MAX;

 private:
  static std::size_t Slot(LayoutTarget t) {
    switch (t.object) {
      case LayoutObject::kWindow:
        return 0;
      case LayoutObject::kFram1:
        return static_cast<std::size_t>(t.index);
      case LayoutObject::kFram2:
        return 11;
      case LayoutObject::kFram3:
        return 12;
    }
    return 0;
  }
  Geometry& At(LayoutTarget t) { return places_.at(Slot(t)); }
  void Seed(LayoutTarget t) {
    const ControlRow* row = FindControl(ControlOf(t));
    ASSERT_NE(row, nullptr);
    At(t) = {row->left, row->top, row->height, row->visible};
  }

  std::array<Geometry, 13> places_{};
};

}  // namespace mirt2::testing
