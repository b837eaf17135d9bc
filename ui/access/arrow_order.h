#pragma once

#include <QObject>
#include <vector>

class QAbstractButton;

namespace mirt2 {

// The arrow keys among a group of option buttons, in an order of their own rather than the one
// Qt would work out from where the buttons lie: Left and Down take the next button, Right and Up
// the one before, with no way round at either end. From the selected button the one reached is
// selected too; otherwise only the focus moves.
class ArrowOrder final : public QObject {
 public:
  // Watches each of `buttons`, in their order; a child of `parent`.
  ArrowOrder(std::vector<QAbstractButton*> buttons, QObject* parent);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::vector<QAbstractButton*> buttons_;
};

}  // namespace mirt2
