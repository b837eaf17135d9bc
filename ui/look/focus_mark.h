#pragma once

#include <QColor>
#include <QProxyStyle>

namespace mirt2 {

// The mark on the control that has the focus: a ring, black or white, whichever stands out
// more against the colour it is drawn on. One of the two always has a contrast of at least
// 4.5:1, so the mark shows on any face or background colour the user picks. It is drawn
// whenever the control has the focus, from the start and after a mouse click alike: focus
// starts on 全部始, and Space or Enter must not press a button nobody can see is focused.
QColor FocusMarkColour(const QColor& ground);

// Draws the focus mark of option buttons and check boxes, on their background colour, in
// place of the style's own (which shows only once the keyboard is used, in a tint that vanishes
// on some colours). A check box without a caption gets its mark round its box, which is drawn
// smaller to make room.
class FocusMarkStyle final : public QProxyStyle {
  Q_OBJECT

 public:
  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
  void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                   const QWidget* widget) const override;
};

}  // namespace mirt2
