#include "control_set.h"

#include <stdexcept>
#include <string>

namespace mirt2 {

QWidget* ControlSet::Get(ControlRef ref) const {
  for (const auto& [key, widget] : widgets_) {
    if (key == ref) return widget;
  }
  throw std::out_of_range("no control " + std::string(ref.name) + "(" + std::to_string(ref.index) +
                          ")");
}

}  // namespace mirt2
