#include "colour_groups.h"

#include <array>
#include <span>

#include "control_table.h"

namespace mirt2 {

namespace {

struct GroupPlan {
  std::span<const std::string_view> singles;
  std::span<const std::string_view> per_index;
};

constexpr std::array<std::string_view, 7> kMojiSingles = {
    "lblStrt", "lblIma", "lblStrJikan", "lblImaJikan", "opt1", "opt5", "opt10"};
constexpr std::array<std::string_view, 2> kMojiPerIndex = {"lblNo", "lblJikan"};

constexpr std::array<std::string_view, 9> kButtonSingles = {"cmdEnd",    "cmbAlStr", "cmdAlStp",
                                                            "cmdReset",  "cmdMoji",  "cmdButn",
                                                            "cmdHaikei", "cmdCopy",  "cmdMae"};
constexpr std::array<std::string_view, 2> kButtonPerIndex = {"cmdStr", "cmdStp"};

constexpr std::array<std::string_view, 7> kBakSingles = {kWindowName, "fram2", "fram3", "opt1",
                                                         "opt5",      "opt10", "chk1"};
constexpr std::array<std::string_view, 1> kBakPerIndex = {"fram1"};

GroupPlan PlanOf(ColourGroup group) {
  switch (group) {
    case ColourGroup::kMoji:
      return {kMojiSingles, kMojiPerIndex};
    case ColourGroup::kButton:
      return {kButtonSingles, kButtonPerIndex};
    case ColourGroup::kBak:
      return {kBakSingles, kBakPerIndex};
  }
  return {};
}

}  // namespace

ColourProperty PropertyOf(ColourGroup group) {
  return group == ColourGroup::kMoji ? ColourProperty::kForeColor : ColourProperty::kBackColor;
}

std::vector<ControlRef> MembersOf(ColourGroup group) {
  const GroupPlan plan = PlanOf(group);
  std::vector<ControlRef> members;
  for (std::string_view name : plan.singles) members.push_back({name});
  for (int i = 1; i <= kStopwatchCount; ++i) {
    for (std::string_view name : plan.per_index) members.push_back({name, i});
  }
  return members;
}

}  // namespace mirt2
