#pragma once

#include <array>
#include <string_view>
#include <vector>

#include "display_modes.h"
#include "stopwatch_bank.h"

class QCheckBox;
class QFrame;
class QRadioButton;
class QWidget;

namespace mirt2 {

class CaptionLabel;
class FaceButton;

// The controls of frmMirt2, named and typed as the design has them (frm_mirt2.h says what the
// names mean). The control arrays count from 0: fram1[0] is the panel of stopwatch 1.
struct FormControls {
  std::array<QFrame*, kStopwatchCount> fram1{};
  std::array<CaptionLabel*, kStopwatchCount> lblNo{};
  std::array<CaptionLabel*, kStopwatchCount> lblJikan{};
  std::array<FaceButton*, kStopwatchCount> cmdStr{};
  std::array<FaceButton*, kStopwatchCount> cmdStp{};
  QFrame* fram2 = nullptr;
  CaptionLabel* lblStrt = nullptr;
  CaptionLabel* lblIma = nullptr;
  FaceButton* cmdReset = nullptr;
  // The option buttons opt1, opt5 and opt10, a display mode's each, in the order of their rows.
  std::array<QRadioButton*, kDisplayModeCount> opt{};
  QCheckBox* chk1 = nullptr;
  CaptionLabel* lblStrJikan = nullptr;
  CaptionLabel* lblImaJikan = nullptr;
  FaceButton* cmdEnd = nullptr;
  FaceButton* cmbAlStr = nullptr;
  FaceButton* cmdAlStp = nullptr;
  QFrame* fram3 = nullptr;
  FaceButton* cmdMoji = nullptr;
  FaceButton* cmdButn = nullptr;
  FaceButton* cmdHaikei = nullptr;
  FaceButton* cmdCopy = nullptr;
  FaceButton* cmdMae = nullptr;
  // The button Enter presses from anywhere in the window, as the table marks it.
  FaceButton* default_button = nullptr;
  // Every control above, in the order it was made: a container before what it holds.
  std::vector<QWidget*> all;

  // The option button of the mode that shows `panels` panels; null where there is none.
  [[nodiscard]] QRadioButton* Option(int panels) const;
};

// Makes every control of `window` from the control table, with its design-time properties, and
// gives the window its own.
void BuildControls(QWidget& window, FormControls& controls);

// The buttons whose action alternates announce what their next click does.
// The first face of each is the button's design state in the control table.

// The copy button's tool tip: the style of the next report.
inline constexpr std::string_view kCopyUnnumberedTip =
    "番号無しでタイマーの時間をクリップボードに送ります";
inline constexpr std::string_view kCopyNumberedTip =
    "番号入りでタイマーの時間をクリップボードに送ります";

// Each panel's menu, from a right-click on the panel, the Menu key or Shift+F10: a stopwatch
// continued from the time it shows, or set back to zero alone.
inline constexpr std::string_view kContinueCaption = "続きから計る(&C)";
inline constexpr std::string_view kBackToZeroCaption = "0 に戻す(&R)";

// The always-on-top button, to the eye and to a screen reader alike.
struct MaeFace {
  std::string_view caption;
  std::string_view tool_tip;
  std::string_view accessible_name;
};
inline constexpr MaeFace kMaeToFront{"前へ", "常に前面に置きます", "常に前面に置く"};
inline constexpr MaeFace kMaeRelease{"元へ", "常に前面をキャンセルします", "常に前面を解除"};

}  // namespace mirt2
