#include "colour_picker.h"

#include <QColorDialog>

#include "qt_colour.h"

namespace mirt2 {

std::optional<Colour> QtColourPicker::Pick(Colour initial, QWidget* parent) {
  const QColor chosen = QColorDialog::getColor(ToQColor(initial), parent);
  if (!chosen.isValid()) return std::nullopt;
  return FromQColor(chosen);
}

std::optional<Colour> CommonDialog::ShowColor(QWidget* parent) {
  const std::optional<Colour> chosen = picker_.Pick(color_, parent);
  if (chosen) color_ = *chosen;
  return chosen;
}

}  // namespace mirt2
