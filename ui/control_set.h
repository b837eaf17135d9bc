#pragma once

#include <string_view>
#include <utility>
#include <vector>

#include "control_ref.h"

class QWidget;

namespace mirt2 {

// The window's widgets by design name and control-array index.
class ControlSet {
 public:
  void Add(ControlRef ref, QWidget* widget) { widgets_.emplace_back(ref, widget); }
  // Throws std::out_of_range for a control the window does not have.
  [[nodiscard]] QWidget* Get(ControlRef ref) const;
  [[nodiscard]] QWidget* Get(std::string_view name, int index = 0) const {
    return Get(ControlRef{name, index});
  }
  template <class Widget>
  [[nodiscard]] Widget* As(std::string_view name, int index = 0) const {
    return static_cast<Widget*>(Get(name, index));
  }
  [[nodiscard]] const std::vector<std::pair<ControlRef, QWidget*>>& All() const { return widgets_; }

 private:
  std::vector<std::pair<ControlRef, QWidget*>> widgets_;
};

}  // namespace mirt2
