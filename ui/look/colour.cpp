#include "colour.h"

#include <QWidget>

namespace mirt2 {

QColor ToQColor(Colour colour) {
  return {static_cast<int>(colour & 0xFFU), static_cast<int>((colour >> 8U) & 0xFFU),
          static_cast<int>((colour >> 16U) & 0xFFU)};
}

Colour FromQColor(const QColor& colour) {
  const QColor rgb = colour.toRgb();
  return static_cast<Colour>(rgb.red()) | (static_cast<Colour>(rgb.green()) << 8U) |
         (static_cast<Colour>(rgb.blue()) << 16U);
}

void SetColour(QWidget& widget, QPalette::ColorRole role, Colour colour) {
  QPalette palette = widget.palette();
  palette.setColor(role, ToQColor(colour));
  widget.setPalette(palette);
}

}  // namespace mirt2
