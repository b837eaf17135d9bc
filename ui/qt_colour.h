#pragma once

#include <QColor>
#include <QPalette>

#include "colour.h"

class QWidget;

namespace mirt2 {

// The one place where &H00BBGGRR values meet Qt's colours.
QColor ToQColor(Colour colour);
Colour FromQColor(const QColor& colour);

// Sets one colour of a widget's palette: WindowText for its text, Window for its background.
void SetColour(QWidget& widget, QPalette::ColorRole role, Colour colour);

}  // namespace mirt2
