#pragma once

#include <QTimer>
#include <QWidget>

#include "changed_texts.h"
#include "clipboard.h"
#include "colour.h"
#include "colour_picker.h"
#include "control_table.h"
#include "failure_notice.h"
#include "layout_table.h"
#include "outer_geometry.h"
#include "showing_announcer.h"
#include "stopwatch_bank.h"
#include "window_stacking.h"

namespace mirt2 {

// What the window needs from outside itself; tests pass scripted ones.
struct WindowServices {
  Clock& clock;
  ColourPicker& picker;
  Clipboard& clipboard;
  WindowStacking& stacking;
};

// The one window of the program: its controls built from the control table and
// named as the design names them, the stopwatch bank, the timer that ticks as
// each second of the wall clock begins, and a handler per control and event.
// Handlers never let an exception reach Qt's event loop: a failure is shown to
// the user and logged with the handler's name, and the program goes on.
class frmMirt2 final : public QWidget, private Controls {
  Q_OBJECT

 public:
  frmMirt2(const WindowServices& services, const TimePattern& regional, QWidget* parent = nullptr);
  ~frmMirt2() override;

  // The load handler: start-up geometry and cleared stopwatches. Runs once,
  // before the window is shown.
  void Form_Load();

  void Timer1_Timer();
  void cmdStr_Click(int index);
  void cmdStp_Click(int index);
  void cmbAlStr_Click();
  void cmdAlStp_Click();
  void cmdReset_Click();
  void opt1_Click();
  void opt5_Click();
  void opt10_Click();
  void chk1_Click();
  void cmdCopy_Click();
  void cmdMoji_Click();
  void cmdButn_Click();
  void cmdHaikei_Click();
  void cmdMae_Click();
  void cmdEnd_Click();

  [[nodiscard]] const StopwatchBank& Bank() const { return bank_; }
  [[nodiscard]] const mirt2::Controls& Controls() const { return *this; }
  // Stopped, it stays stopped: tests tick by hand.
  [[nodiscard]] QTimer& Timer1() { return timer1_; }
  // Top, Width and Height of the outer window in twips.
  [[nodiscard]] OuterGeometry& Geometry() { return geometry_; }
  [[nodiscard]] const OuterGeometry& Geometry() const { return geometry_; }
  [[nodiscard]] bool SwithMae() const { return swith_mae_; }
  [[nodiscard]] bool SwithBang() const { return swith_bang_; }
  [[nodiscard]] Colour MojiColr() const { return moji_colr_; }
  [[nodiscard]] Colour ButtonColr() const { return button_colr_; }
  [[nodiscard]] Colour BakColr() const { return bak_colr_; }
  [[nodiscard]] const CommonDialog& cmnDialog1() const { return cmn_dialog1_; }
  // The display mode in force: the selected option button's count.
  [[nodiscard]] int DisplayMode() const;
  // chk1's Value: 0 unchecked, 1 checked, 2 grayed.
  [[nodiscard]] int CheckValue() const;

 protected:
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool focusNextPrevChild(bool next) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void ShowTexts(ChangedTexts changed);
  void AimTimer1();
  void LayOut(const DisplayModeLayout& mode);
  void ShowOptionsPanel(bool shown, int window_height);
  void ApplyMojiColr();
  void ApplyButtonColr();
  void ApplyBakColr();
  void PickColour(Colour& variable, void (frmMirt2::*apply)());
  // Runs a handler's body; false when it failed. report: whether a failure is
  // reported.
  template <class Body>
  bool Run(const char* handler, Body&& body, bool report = true);

  WindowServices services_;
  StopwatchBank bank_;
  OuterGeometry geometry_;
  QTimer timer1_;
  CommonDialog cmn_dialog1_;
  ShowingAnnouncer showing_;
  FailureNotice failures_{*this};
  bool tick_failing_ = false;
  bool swith_mae_ = false;
  bool swith_bang_ = false;
  Colour moji_colr_ = 0;
  Colour button_colr_ = 0;
  Colour bak_colr_ = 0;
};

}  // namespace mirt2
