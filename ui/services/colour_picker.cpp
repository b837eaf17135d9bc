#include <QColorDialog>

#include "window_services.h"

namespace mirt2 {

std::optional<Colour> QtColourPicker::Pick(Colour initial, QWidget* parent) {
  const QColor chosen = QColorDialog::getColor(ToQColor(initial), parent);
  if (!chosen.isValid()) return std::nullopt;
  return FromQColor(chosen);
}

}  // namespace mirt2
