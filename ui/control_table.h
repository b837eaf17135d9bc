#pragma once

#include <array>
#include <vector>

#include "stopwatch_bank.h"

class QCheckBox;
class QFrame;
class QRadioButton;
class QWidget;

namespace mirt2 {

class CaptionLabel;
class FaceButton;

// The controls of frmMirt2, named and typed as the design has them. The control arrays count
// from 0: fram1[0] is the panel of stopwatch 1.
struct Controls {
  std::array<QFrame*, kStopwatchCount> fram1{};
  std::array<CaptionLabel*, kStopwatchCount> lblNo{};
  std::array<CaptionLabel*, kStopwatchCount> lblJikan{};
  std::array<FaceButton*, kStopwatchCount> cmdStr{};
  std::array<FaceButton*, kStopwatchCount> cmdStp{};
  QFrame* fram2 = nullptr;
  CaptionLabel* lblStrt = nullptr;
  CaptionLabel* lblIma = nullptr;
  FaceButton* cmdReset = nullptr;
  QRadioButton* opt1 = nullptr;
  QRadioButton* opt5 = nullptr;
  QRadioButton* opt10 = nullptr;
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
  // Every control above, in the order it was made: a container before what it holds.
  std::vector<QWidget*> all;
};

// Makes every control of `window` from the control table, with its design-time properties, and
// gives the window its own.
void BuildControls(QWidget& window, Controls& controls);

}  // namespace mirt2
