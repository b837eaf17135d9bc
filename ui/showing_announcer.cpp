#include "showing_announcer.h"

#include <QAccessible>
#include <QWidget>

#include "control_set.h"
#include "on_screen.h"

namespace mirt2 {

void ShowingAnnouncer::Update(const ControlSet& controls) {
  const auto& all = controls.All();
  std::vector<bool> showing(all.size());
  for (std::size_t n = 0; n < all.size(); ++n) {
    showing[n] = OnScreen(*all[n].second);
    if (QAccessible::isActive() && showing_.size() == all.size() && showing[n] != showing_[n]) {
      QAccessibleEvent event(all[n].second,
                             showing[n] ? QAccessible::ObjectShow : QAccessible::ObjectHide);
      QAccessible::updateAccessibility(&event);
    }
  }
  showing_ = std::move(showing);
}

}  // namespace mirt2
