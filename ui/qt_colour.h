#pragma once

#include <QColor>

#include "colour.h"

namespace mirt2 {

// The one place where &H00BBGGRR values meet Qt's colours.
QColor ToQColor(Colour colour);
Colour FromQColor(const QColor& colour);

}  // namespace mirt2
