#pragma once

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QFrame>
#include <QRadioButton>
#include <initializer_list>
#include <ostream>
#include <set>
#include <string>
#include <string_view>

#include "caption_label.h"
#include "design_modes.h"
#include "face_button.h"
#include "frm_mirt2.h"
#include "scripted_clock.h"
#include "scripted_services.h"
#include "twips.h"

// Failures print a QString as its text rather than as bytes.
inline void PrintTo(const QString& text, std::ostream* out) {
  *out << '"' << text.toStdString() << '"';
}

namespace mirt2::testing {

enum class Group { kMoji, kButton, kBak };

// The object names of the controls each colour button recolours, as the design lists them:
// the single controls, then the control arrays' members of every panel. "frmMirt2" is the window.
inline std::set<std::string> MembersOf(Group group) {
  std::set<std::string> members;
  auto add = [&](std::initializer_list<const char*> singles,
                 std::initializer_list<const char*> arrays) {
    for (const char* name : singles) members.insert(name);
    for (int i = 1; i <= 10; ++i) {
      for (const char* name : arrays)
        members.insert(std::string(name) + "(" + std::to_string(i) + ")");
    }
  };
  switch (group) {
    case Group::kMoji:
      add({"lblStrt", "lblIma", "lblStrJikan", "lblImaJikan"}, {"lblNo", "lblJikan"});
      for (const DesignMode& mode : kDesignModes) members.insert(OptionName(mode.panels));
      break;
    case Group::kButton:
      add({"cmdEnd", "cmbAlStr", "cmdAlStp", "cmdReset", "cmdMoji", "cmdButn", "cmdHaikei",
           "cmdCopy", "cmdMae"},
          {"cmdStr", "cmdStp"});
      break;
    case Group::kBak:
      add({"frmMirt2", "fram2", "fram3", "chk1"}, {"fram1"});
      for (const DesignMode& mode : kDesignModes) members.insert(OptionName(mode.panels));
      break;
  }
  return members;
}

// The real window on the offscreen platform, loaded, with scripted services
// and a timer that the test ticks by hand.
class WindowTest : public ::testing::Test {
 protected:
  WindowTest()
      : window_({clock_, picker_, clipboard_, stacking_, session_}, TimePattern::Default()) {
    window_.Timer1().stop();
    window_.Form_Load();
  }

  [[nodiscard]] const FormControls& C() const { return window_.Controls(); }
  // The control arrays by stopwatch number, 1 to 10, as the design numbers them.
  [[nodiscard]] QFrame* fram1(int i) const { return C().fram1.at(i - 1); }
  [[nodiscard]] CaptionLabel* lblNo(int i) const { return C().lblNo.at(i - 1); }
  [[nodiscard]] CaptionLabel* lblJikan(int i) const { return C().lblJikan.at(i - 1); }
  [[nodiscard]] FaceButton* cmdStr(int i) const { return C().cmdStr.at(i - 1); }
  [[nodiscard]] FaceButton* cmdStp(int i) const { return C().cmdStp.at(i - 1); }
  // The option buttons by the panels they show, found by name: opt(5) is opt5.
  [[nodiscard]] QRadioButton* opt(int panels) const {
    auto* option = window_.findChild<QRadioButton*>(QString::fromStdString(OptionName(panels)));
    if (option == nullptr) throw std::out_of_range("no " + OptionName(panels));
    return option;
  }
  void TickAt(std::string_view hms) {
    clock_.RunTo(hms);
    window_.Timer1_Timer();
  }
  // Whether a frame shows inside the client area: visible and not beyond it.
  [[nodiscard]] bool InView(const QWidget* frame) const {
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
  RecordingSessionKeeper session_;
  frmMirt2 window_;
};

}  // namespace mirt2::testing
