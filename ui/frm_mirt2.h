#pragma once

#include <QTimer>
#include <QWidget>
#include <array>

#include "changed_texts.h"
#include "clipboard.h"
#include "colour.h"
#include "colour_groups.h"
#include "colour_picker.h"
#include "control_set.h"
#include "failure_notice.h"
#include "layout_plan.h"
#include "outer_geometry.h"
#include "showing_announcer.h"
#include "stopwatch_bank.h"
#include "window_stacking.h"

class QCheckBox;
class QFrame;
class QRadioButton;

namespace mirt2 {

class CaptionLabel;
class FaceButton;

// What the window needs from outside itself; tests pass scripted ones.
struct WindowServices {
  Clock& clock;
  ColourPicker& picker;
  Clipboard& clipboard;
  WindowStacking& stacking;
};

// The one window of the program: its controls built from the control table,
// the stopwatch bank, the 100 ms timer, and a handler per control and event.
// Handlers never let an exception reach Qt's event loop: a failure is shown
// to the user and logged with the handler's name, and the program goes on.
class frmMirt2 final : public QWidget, private LayoutSurface {
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
  [[nodiscard]] const ControlSet& Controls() const { return controls_; }
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
  // How many label captions the stopwatch texts have set so far.
  [[nodiscard]] long long CaptionWrites() const { return caption_writes_; }
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
  void SetLeft(LayoutTarget target, int twips) override;
  void SetTop(LayoutTarget target, int twips) override;
  void SetHeight(LayoutTarget target, int twips) override;
  void SetVisible(LayoutTarget target, bool visible) override;
  [[nodiscard]] int WindowHeight() const override;

  [[nodiscard]] QWidget* Frame(LayoutTarget target) const;
  void ShowTexts(ChangedTexts changed);
  void BindEvents();
  void LayOutDisplayMode(int mode);
  void LayOut(const std::vector<LayoutAssignment>& plan);
  void ApplyMojiColr();
  void ApplyButtonColr();
  void ApplyBakColr();
  void ApplyColour(ColourGroup group, Colour colour);
  void PickColour(Colour& variable, void (frmMirt2::*apply)());
  // Runs a handler's body; false when it failed. report: whether a failure is
  // reported.
  template <class Body>
  bool Run(const char* handler, Body&& body, bool report = true);

  WindowServices services_;
  StopwatchBank bank_;
  ControlSet controls_;
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
  long long caption_writes_ = 0;

  std::array<QFrame*, kStopwatchCount> fram1_{};
  std::array<CaptionLabel*, kStopwatchCount> lbl_jikan_{};
  QFrame* fram2_ = nullptr;
  QFrame* fram3_ = nullptr;
  CaptionLabel* lbl_str_jikan_ = nullptr;
  CaptionLabel* lbl_ima_jikan_ = nullptr;
  FaceButton* cmb_al_str_ = nullptr;
  QRadioButton* opt1_ = nullptr;
  QRadioButton* opt5_ = nullptr;
  QRadioButton* opt10_ = nullptr;
  QCheckBox* chk1_ = nullptr;
  FaceButton* cmd_copy_ = nullptr;
  FaceButton* cmd_mae_ = nullptr;
};

}  // namespace mirt2
