#pragma once

#include <variant>
#include <vector>

#include "control_ref.h"

namespace mirt2 {

enum class LayoutObject { kWindow, kFram1, kFram2, kFram3 };

struct LayoutTarget {
  LayoutObject object = LayoutObject::kWindow;
  int index = 0;  // 1..10 for fram1, 0 otherwise

  friend constexpr bool operator==(const LayoutTarget&, const LayoutTarget&) = default;
};

// The row of ControlTable() that a layout step moves.
ControlRef ControlOf(LayoutTarget target);

enum class LayoutProperty { kLeft, kTop, kHeight, kVisible };

// The window's Height at the moment the step runs, less `twips`.
struct WindowHeightMinus {
  int twips = 0;

  friend constexpr bool operator==(const WindowHeightMinus&, const WindowHeightMinus&) = default;
};

// Twips for Left, Top and Height (absolute or WindowHeightMinus), bool for Visible.
using LayoutValue = std::variant<int, bool, WindowHeightMinus>;

struct LayoutAssignment {
  LayoutTarget target;
  LayoutProperty property = LayoutProperty::kTop;
  LayoutValue value;

  friend bool operator==(const LayoutAssignment&, const LayoutAssignment&) = default;
};

// The live window as ApplyLayout sees it. Window Left/Top are screen twips, a frame's are
// relative to the client area.
class LayoutSurface {
 public:
  virtual ~LayoutSurface() = default;
  virtual void SetLeft(LayoutTarget target, int twips) = 0;
  virtual void SetTop(LayoutTarget target, int twips) = 0;
  virtual void SetHeight(LayoutTarget target, int twips) = 0;
  virtual void SetVisible(LayoutTarget target, bool visible) = 0;
  // The window's outer height as the toolkit reports it now, which may differ from the
  // height last asked for when the screen cannot hold it.
  [[nodiscard]] virtual int WindowHeight() const = 0;
};

// chk1.Value. The program never sets kCheckGrayed, but code could.
inline constexpr int kCheckUnchecked = 0;
inline constexpr int kCheckChecked = 1;
inline constexpr int kCheckGrayed = 2;

// The layout of display mode 1, 5 or 10. A check value other than 0 or 1 leaves the window's
// Height and fram3 alone. Any other mode yields an empty plan: the option buttons only ever
// ask for those three, and an unknown one must not half-move the window.
std::vector<LayoutAssignment> PlanDisplayMode(int mode, int check_value);

// Shows (check value 1) or hides (any other value) the options panel by growing or
// shrinking the window's current height; its Top stays.
std::vector<LayoutAssignment> PlanOptionsPanel(int check_value, int current_height);

// Performs the steps in order. A malformed plan (a Visible step without a bool, a length
// step with one, a target index out of range) throws std::invalid_argument before any
// step is performed, so the window is never left half laid out by it.
void ApplyLayout(const std::vector<LayoutAssignment>& plan, LayoutSurface& surface);

}  // namespace mirt2
