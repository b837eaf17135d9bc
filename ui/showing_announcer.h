#pragma once

#include <vector>

class QWidget;

namespace mirt2 {

// Tells listening screen readers which controls came into the client area or left it. Qt
// announces a control that is shown or hidden, but not one that moves into view, as the
// panels waiting beside the client area do when a display mode first places them.
class ShowingAnnouncer {
 public:
  // Compares what shows now with what showed at the last call and announces each change;
  // the first call only takes note. Called before and after a layout, and on a resize.
  void Update(const std::vector<QWidget*>& controls);

 private:
  std::vector<bool> showing_;
};

}  // namespace mirt2
