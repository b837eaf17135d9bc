#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLabel>
#include <string_view>

#include "frm_mirt2.h"
#include "scripted_clock.h"
#include "scripted_services.h"
#include "twips.h"

namespace mirt2::testing {

// The real window on the offscreen platform, loaded, with scripted services
// and a timer that the test ticks by hand.
class WindowTest : public ::testing::Test {
 protected:
  WindowTest() : window_({clock_, picker_, clipboard_, stacking_}, TimePattern::Default()) {
    window_.Timer1().stop();
    window_.Form_Load();
  }

  [[nodiscard]] QWidget* Control(std::string_view name, int index = 0) const {
    return window_.Controls().Get(name, index);
  }
  [[nodiscard]] QString Caption(std::string_view name, int index = 0) const {
    return qobject_cast<QLabel*>(Control(name, index))->text();
  }
  void Click(std::string_view name, int index = 0) {
    qobject_cast<QAbstractButton*>(Control(name, index))->click();
  }
  void TickAt(std::string_view hms) {
    clock_.Set(hms);
    window_.Timer1_Timer();
  }
  // Whether a frame shows inside the client area: visible and not beyond it.
  [[nodiscard]] bool InView(std::string_view name, int index = 0) const {
    const QWidget* frame = Control(name, index);
    return frame->isVisible() && window_.rect().intersects(frame->geometry());
  }
  static int Px(int twips) { return TwipsToPixels(twips); }
  // A control's pixels in its container, from its design rectangle in twips.
  static QRect DesignRect(int left, int top, int width, int height) {
    return {QPoint(Px(left), Px(top)), QPoint(Px(left + width) - 1, Px(top + height) - 1)};
  }

  ScriptedClock clock_{Hms("9:00:00")};
  ScriptedPicker picker_;
  RecordingClipboard clipboard_;
  RecordingStacking stacking_;
  frmMirt2 window_;
};

}  // namespace mirt2::testing
