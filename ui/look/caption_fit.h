#pragma once

#include <QFont>
#include <QString>

namespace mirt2 {

// The smallest size a caption is drawn at: the smallest the design itself uses (the 0 button).
inline constexpr double kCaptionFloorPoints = 7.5;

// The font to draw a caption in so that it is at most `width` pixels wide, each digit counted at
// the font's widest: the design font where it fits, else the largest size down to
// kCaptionFloorPoints that fits, and below that the floor size condensed just enough. A caption
// is never cut.
QFont FitCaptionFont(const QFont& design, const QString& caption, qreal width);

}  // namespace mirt2
