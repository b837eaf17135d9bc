#include "layout_plan.h"

#include <array>
#include <stdexcept>

#include "control_table.h"

namespace mirt2 {
namespace {

struct ModeConstants {
  int mode;
  int window_top;
  int fram2_top;
  int height_options_hidden;
  int height_options_shown;
  int panels_shown;
};

// Given one by one: they do not follow from the panel pitch, and the options-shown height is
// 430 above the hidden one in mode 1 but 420 in modes 5 and 10.
constexpr std::array<ModeConstants, 3> kModes = {{
    {1, 5540, 450, 1900, 2330, 1},
    {5, 3510, 2480, 3930, 4350, 5},
    {10, 980, 5010, 6470, 6890, 10},
}};

constexpr int kPanelLeft = 30;
constexpr int kPanelPitch = 507;
constexpr int kOptionsPanelAboveBottom = 920;
constexpr int kOptionsToggle = 430;

constexpr LayoutTarget kWindow{LayoutObject::kWindow};
constexpr LayoutTarget kFram2{LayoutObject::kFram2};
constexpr LayoutTarget kFram3{LayoutObject::kFram3};
constexpr LayoutTarget Panel(int i) {
  return {LayoutObject::kFram1, i};
}

void ShowOptionsPanel(std::vector<LayoutAssignment>& plan, int window_height) {
  plan.push_back({kWindow, LayoutProperty::kHeight, window_height});
  plan.push_back({kFram3, LayoutProperty::kTop, WindowHeightMinus{kOptionsPanelAboveBottom}});
  plan.push_back({kFram3, LayoutProperty::kVisible, true});
}

void HideOptionsPanel(std::vector<LayoutAssignment>& plan, int window_height) {
  plan.push_back({kWindow, LayoutProperty::kHeight, window_height});
  plan.push_back({kFram3, LayoutProperty::kVisible, false});
}

void AddOptionsSteps(std::vector<LayoutAssignment>& plan, const ModeConstants& m, int check_value) {
  if (check_value == kCheckChecked) {
    ShowOptionsPanel(plan, m.height_options_shown);
  } else if (check_value == kCheckUnchecked) {
    HideOptionsPanel(plan, m.height_options_hidden);
  }
}

bool ValidTarget(LayoutTarget t) {
  switch (t.object) {
    case LayoutObject::kFram1:
      return t.index >= 1 && t.index <= kStopwatchCount;
    case LayoutObject::kWindow:
    case LayoutObject::kFram2:
    case LayoutObject::kFram3:
      return t.index == 0;
  }
  return false;
}

bool WellFormed(const LayoutAssignment& step) {
  const bool is_bool = std::holds_alternative<bool>(step.value);
  return ValidTarget(step.target) && (step.property == LayoutProperty::kVisible) == is_bool;
}

}  // namespace

ControlRef ControlOf(LayoutTarget target) {
  switch (target.object) {
    case LayoutObject::kWindow:
      return {kWindowName};
    case LayoutObject::kFram1:
      return {"fram1", target.index};
    case LayoutObject::kFram2:
      return {"fram2"};
    case LayoutObject::kFram3:
      return {"fram3"};
  }
  return {};
}

std::vector<LayoutAssignment> PlanDisplayMode(int mode, int check_value) {
  const ModeConstants* m = nullptr;
  for (const ModeConstants& candidate : kModes) {
    if (candidate.mode == mode) m = &candidate;
  }
  if (m == nullptr) return {};

  std::vector<LayoutAssignment> plan;
  if (mode == 1) {
    // Panel 1 is never hidden and keeps its Left; the others stay where they are.
    for (int i = 2; i <= kStopwatchCount; ++i) {
      plan.push_back({Panel(i), LayoutProperty::kVisible, false});
    }
    plan.push_back({kWindow, LayoutProperty::kTop, m->window_top});
    AddOptionsSteps(plan, *m, check_value);
    plan.push_back({Panel(1), LayoutProperty::kTop, 0});
    plan.push_back({kFram2, LayoutProperty::kTop, m->fram2_top});
    return plan;
  }

  plan.push_back({kWindow, LayoutProperty::kTop, m->window_top});
  plan.push_back({kFram2, LayoutProperty::kTop, m->fram2_top});
  AddOptionsSteps(plan, *m, check_value);
  int top = 0;
  for (int i = 1; i <= m->panels_shown; ++i) {
    plan.push_back({Panel(i), LayoutProperty::kLeft, kPanelLeft});
    plan.push_back({Panel(i), LayoutProperty::kTop, top});
    top += kPanelPitch;
    plan.push_back({Panel(i), LayoutProperty::kVisible, true});
  }
  for (int i = m->panels_shown + 1; i <= kStopwatchCount; ++i) {
    plan.push_back({Panel(i), LayoutProperty::kVisible, false});
  }
  return plan;
}

std::vector<LayoutAssignment> PlanOptionsPanel(int check_value, int current_height) {
  std::vector<LayoutAssignment> plan;
  if (check_value == kCheckChecked) {
    ShowOptionsPanel(plan, current_height + kOptionsToggle);
  } else {
    HideOptionsPanel(plan, current_height - kOptionsToggle);
  }
  return plan;
}

void ApplyLayout(const std::vector<LayoutAssignment>& plan, LayoutSurface& surface) {
  for (const LayoutAssignment& step : plan) {
    if (!WellFormed(step)) throw std::invalid_argument("malformed layout step");
  }
  for (const LayoutAssignment& step : plan) {
    if (step.property == LayoutProperty::kVisible) {
      surface.SetVisible(step.target, std::get<bool>(step.value));
      continue;
    }
    const int twips = std::holds_alternative<WindowHeightMinus>(step.value)
                          ? surface.WindowHeight() - std::get<WindowHeightMinus>(step.value).twips
                          : std::get<int>(step.value);
    switch (step.property) {
      case LayoutProperty::kLeft:
        surface.SetLeft(step.target, twips);
        break;
      case LayoutProperty::kTop:
        surface.SetTop(step.target, twips);
        break;
      case LayoutProperty::kHeight:
        surface.SetHeight(step.target, twips);
        break;
      case LayoutProperty::kVisible:
        break;
    }
  }
}

}  // namespace mirt2
