#include "focus_mark.h"

#include <QPainter>
#include <QStyleOption>
#include <QWidget>
#include <cmath>

#include "device_pixels.h"

namespace mirt2 {

namespace {

// Relative luminance of an sRGB colour, as contrast ratios are defined.
double Luminance(const QColor& colour) {
  auto linear = [](double c) {
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
         0.0722 * linear(colour.blueF());
}

// Room round a captionless check box's box, in logical pixels: the ring and a gap as wide.
constexpr int kCheckBoxMarkRoom = 2;

}  // namespace

QColor FocusMarkColour(const QColor& ground) {
  const double l = Luminance(ground) + 0.05;
  // Contrast with black is l / 0.05, with white 1.05 / l.
  return l * l >= 0.05 * 1.05 ? QColor(Qt::black) : QColor(Qt::white);
}

namespace {

// The mark as a ring of one line just inside `logical`, in whole device pixels.
void DrawFocusMark(QPainter& painter, const QRect& logical, const QColor& ground) {
  DevicePixels device(painter);
  device.FillRing(device.Rect(logical), device.Line(), FocusMarkColour(ground));
}

}  // namespace

void FocusMarkStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                   QPainter* painter, const QWidget* widget) const {
  if (element == PE_FrameFocusRect && widget != nullptr) {
    DrawFocusMark(*painter, option->rect, widget->palette().color(widget->backgroundRole()));
    return;
  }
  QProxyStyle::drawPrimitive(element, option, painter, widget);
}

void FocusMarkStyle::drawControl(ControlElement element, const QStyleOption* option,
                                 QPainter* painter, const QWidget* widget) const {
  const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option);
  if (element != CE_CheckBox || button == nullptr || !button->text.isEmpty() || widget == nullptr) {
    QProxyStyle::drawControl(element, option, painter, widget);
    return;
  }
  // A check box without a caption: its box, smaller, and the mark round it on the background.
  QStyleOptionButton box = *button;
  box.rect = option->rect.adjusted(kCheckBoxMarkRoom, kCheckBoxMarkRoom, -kCheckBoxMarkRoom,
                                   -kCheckBoxMarkRoom);
  box.state &= ~State_HasFocus;
  QProxyStyle::drawPrimitive(PE_IndicatorCheckBox, &box, painter, widget);
  if (button->state & State_HasFocus) {
    DrawFocusMark(*painter, option->rect, widget->palette().color(widget->backgroundRole()));
  }
}

}  // namespace mirt2
