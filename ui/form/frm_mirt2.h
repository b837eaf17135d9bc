#pragma once

#include <QTimer>
#include <QWidget>

class QAction;
class QMenu;

#include "accessibility.h"
#include "colour.h"
#include "control_table.h"
#include "failure_notice.h"
#include "layout_table.h"
#include "outer_geometry.h"
#include "session_state.h"
#include "stopwatch_bank.h"
#include "window_services.h"

namespace mirt2 {

// The window's names are the design's: a type prefix on each control, then Japanese words in
// romaji and English abbreviations.
//
//   frm  form, the window      fram  frame, a panel       lbl  label
//   cmd  command button (cmbAlStr, the design's spelling)  opt  option button   chk  check box
//   Str  start (始)   Stp  stop (止)   AlStr, AlStp  all: start all (全部始), stop all (全部止)
//   End  end (終了)   Reset  back to zero (0)   No  the panel's number
//   Jikan  time: lblJikan an elapsed time, StrJikan the start time of day (開始時刻),
//          ImaJikan the time now (現在時刻; Ima = now, Strt = start, as headings)
//   Moji  characters: the text colour (字色)   Butn  button colour (ボタン)
//   Haikei, Bak  background (背色)   Colr  colour   Mae  in front (前へ, always on top)
//   Swith  a switch, a flag: SwithT runs, SwithJ waits for its start time,
//          SwithBang copies with numbers (番号), SwithMae keeps the window in front
//   Timer1  the tick   cmnDialog1  the colour picker (a "common dialog")
//   mnu  an item of a panel's menu: mnuContinue continues (続きから計る), mnuBackToZero sets
//        one stopwatch back to zero (0 に戻す)

// The window's one colour picker, shared by its three colour buttons: it keeps the colour
// confirmed last, through any of them, and opens on it (black at first), and the custom colours
// the person keeps in it, for the run.
class CommonDialog {
 public:
  explicit CommonDialog(ColourPicker& picker) : picker_(picker) {}

  // A confirmed colour becomes the current one; a cancel changes nothing but the custom colours.
  std::optional<Colour> ShowColor(QWidget* parent) {
    const std::optional<Colour> chosen = picker_.Pick(color_, custom_, parent);
    if (chosen) color_ = *chosen;
    return chosen;
  }
  [[nodiscard]] Colour Color() const { return color_; }
  void SetColor(Colour colour) { color_ = colour; }
  [[nodiscard]] const CustomColours& Custom() const { return custom_; }
  void SetCustom(const CustomColours& custom) { custom_ = custom; }

 private:
  ColourPicker& picker_;
  Colour color_ = 0;
  CustomColours custom_ = kNoCustomColours;
};

// What became of bringing the window back as a saved state left it.
struct RestoreOutcome {
  // False where the state cannot come back whole: nothing changed, and problem says why.
  bool restored = false;
  std::string problem;
  // 前へ could not be kept on this desktop: the window is in ordinary stacking, 前へ shown.
  bool front_refused = false;
};

// The one window of the program: its controls built from the control table and named as the
// design names them, the stopwatch bank, the timer that ticks as each second of the wall clock
// begins, and a handler per control and event. Handlers never let an exception reach Qt's event
// loop: each runs through one failure policy (Run), which shows the failure to the user and logs
// it with the handler's name, and the program goes on.
class frmMirt2 final : public QWidget, private FormControls {
  Q_OBJECT

 public:
  frmMirt2(const WindowServices& services, const TimePattern& regional, QWidget* parent = nullptr);
  ~frmMirt2() override;

  // The load handler: start-up geometry and cleared stopwatches. Runs once,
  // before the window is shown.
  void Form_Load();

  // After the load handler, before the window is shown: brings the window back as a state saved
  // in an earlier run left it, through the handlers that made it so. A state that cannot be
  // brought back whole changes nothing. Shows no failure: nobody has asked for anything yet.
  RestoreOutcome Restore(const SessionState& state);
  // The state as it now is, as `--restore` takes it.
  [[nodiscard]] std::string StateText();

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
  void mnuContinue_Click(int index);
  void mnuBackToZero_Click(int index);
  // Opens panel `index`'s menu at `at`, on the screen; from the keyboard, on its first item
  // that can be chosen, which a screen reader then reads.
  void ShowPanelMenu(int index, const QPoint& at, bool from_keyboard);

  [[nodiscard]] const StopwatchBank& Bank() const { return bank_; }
  [[nodiscard]] const FormControls& Controls() const { return *this; }
  // Stopped, it stays stopped: tests tick by hand.
  [[nodiscard]] QTimer& Timer1() { return timer1_; }
  // Top, Width and Height of the outer window in twips.
  [[nodiscard]] OuterGeometry& Geometry() { return geometry_; }
  [[nodiscard]] const OuterGeometry& Geometry() const { return geometry_; }
  [[nodiscard]] bool SwithMae() const { return swith_mae_; }
  [[nodiscard]] bool SwithBang() const { return swith_bang_; }
  [[nodiscard]] Colour MojiColr() const { return moji_colr_.value_or(0); }
  [[nodiscard]] Colour ButtonColr() const { return button_colr_.value_or(0); }
  [[nodiscard]] Colour BakColr() const { return bak_colr_.value_or(0); }
  [[nodiscard]] const CommonDialog& cmnDialog1() const { return cmn_dialog1_; }
  // The panels' menu, made when it first opens; null until then.
  [[nodiscard]] QMenu* PanelMenu() const { return panel_menu_; }
  // The display mode in force: the selected option button's.
  [[nodiscard]] const DisplayModeRow& DisplayMode() const;

 protected:
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  bool focusNextPrevChild(bool next) override;
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void ShowTexts(ChangedTexts changed);
  void ChooseDisplayMode(const DisplayModeRow& mode);
  void LayOut(const DisplayModeRow& mode);
  void ShowOptionsPanel(bool shown, int window_height);
  void ApplyMojiColr();
  void ApplyButtonColr();
  void ApplyBakColr();
  void PickColour(const char* handler, std::optional<Colour>& variable, void (frmMirt2::*apply)());
  void ChooseColour(std::optional<Colour>& variable, Colour colour, void (frmMirt2::*apply)());
  void SetCopyStyle(bool numbered_next);
  void SwitchMae();
  // The panel whose 始 or 止 `control` is, or whose rectangle holds `at`; 0 for none.
  [[nodiscard]] int PanelOf(const QWidget* control) const;
  [[nodiscard]] int PanelAt(const QPoint& at) const;
  void PlaceAt(int left, int top);
  [[nodiscard]] WindowSnapshot TakeWindowSnapshot() const;
  // Tells the session keeper when what a person has set changed.
  void KeepState();
  // The failure policy: runs a handler's body; false when it failed. report: whether a failure
  // is shown and logged.
  template <class Body>
  bool Attempt(const char* handler, Body&& body, bool report = true);
  // A handler: its body under the failure policy, then the state kept.
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
  std::string boot_;
  bool restoring_ = false;
  std::optional<BankSnapshot> kept_bank_;
  WindowSnapshot kept_window_;
  bool swith_mae_ = false;
  bool swith_bang_ = false;
  // None until a colour is chosen: until then the design's colours show.
  std::optional<Colour> moji_colr_;
  std::optional<Colour> button_colr_;
  std::optional<Colour> bak_colr_;
  QMenu* panel_menu_ = nullptr;
  QAction* mnu_continue_ = nullptr;
  QAction* mnu_back_to_zero_ = nullptr;
  int menu_panel_ = 0;
};

}  // namespace mirt2
