#include "arrow_order.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <algorithm>
#include <utility>

namespace mirt2 {

ArrowOrder::ArrowOrder(std::vector<QAbstractButton*> buttons, QObject* parent)
    : QObject(parent), buttons_(std::move(buttons)) {
  for (QAbstractButton* button : buttons_) button->installEventFilter(this);
}

bool ArrowOrder::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return false;
  const auto* key = static_cast<const QKeyEvent*>(event);
  const bool onward = key->key() == Qt::Key_Left || key->key() == Qt::Key_Down;
  const bool back = key->key() == Qt::Key_Right || key->key() == Qt::Key_Up;
  if (!onward && !back) return false;
  const auto at = std::find(buttons_.begin(), buttons_.end(), watched);
  if (at == buttons_.end()) return false;
  const auto n = static_cast<std::size_t>(at - buttons_.begin());
  // Past either end the key does nothing, and goes no further.
  if (onward ? n + 1 == buttons_.size() : n == 0) return true;
  QAbstractButton* const to = buttons_[onward ? n + 1 : n - 1];
  if ((*at)->isChecked()) to->click();
  to->setFocus(onward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
  return true;
}

}  // namespace mirt2
