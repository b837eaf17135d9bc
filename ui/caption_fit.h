#pragma once

#include <QFont>
#include <QString>

namespace mirt2 {

// The smallest size a caption is drawn at: the smallest the design itself uses (the 0 button).
inline constexpr double kCaptionFloorPoints = 7.5;

// A caption's width class: its text with every digit made alike. Texts of one class are drawn
// at one size, so a running time keeps its size from second to second and changes it only when
// its shape changes (9:59:59 to 10:00:00, AM to PM).
QString WidthClass(const QString& text);

// The font to draw every text of a width class in so that it is at most `width` pixels wide:
// the design font where it fits, else the largest size down to kCaptionFloorPoints that fits,
// and below that the floor size condensed just enough. A caption is never cut.
QFont FitCaptionFont(const QFont& design, const QString& width_class, qreal width);

}  // namespace mirt2
