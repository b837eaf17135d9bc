#pragma once

#include <QColor>
#include <QPalette>
#include <cstdint>

class QWidget;

namespace mirt2 {

// &H00BBGGRR: red in the low byte, as the colour picker and the design colours give it.
using Colour = std::uint32_t;

inline constexpr Colour kDarkGreen = 0x008000;    // window, frames, option buttons, check box
inline constexpr Colour kBrightGreen = 0x00FF00;  // every command button face
inline constexpr Colour kWhite = 0xFFFFFF;        // label and option captions
inline constexpr Colour kLightYellow = 0x80FFFF;  // the ten elapsed times

// The one place where &H00BBGGRR values meet Qt's colours.
QColor ToQColor(Colour colour);
Colour FromQColor(const QColor& colour);

// Sets one colour of a widget's palette: WindowText for its text, Window for its background.
void SetColour(QWidget& widget, QPalette::ColorRole role, Colour colour);

}  // namespace mirt2
