#include "showing_announcer.h"

#include <QAccessible>
#include <QWidget>

#include "on_screen.h"

namespace mirt2 {

void ShowingAnnouncer::Update(const std::vector<QWidget*>& controls) {
  std::vector<bool> showing(controls.size());
  for (std::size_t n = 0; n < controls.size(); ++n) {
    showing[n] = OnScreen(*controls[n]);
    if (QAccessible::isActive() && showing_.size() == controls.size() &&
        showing[n] != showing_[n]) {
      QAccessibleEvent event(controls[n],
                             showing[n] ? QAccessible::ObjectShow : QAccessible::ObjectHide);
      QAccessible::updateAccessibility(&event);
    }
  }
  showing_ = std::move(showing);
}

}  // namespace mirt2
