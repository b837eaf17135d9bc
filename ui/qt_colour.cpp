#include "qt_colour.h"

#include <QWidget>

namespace mirt2 {

QColor ToQColor(Colour colour) {
  return {RedOf(colour), GreenOf(colour), BlueOf(colour)};
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
