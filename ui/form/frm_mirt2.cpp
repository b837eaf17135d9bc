#include "frm_mirt2.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QRadioButton>
#include <QScreen>
#include <algorithm>
#include <chrono>
#include <exception>
#include <initializer_list>
#include <string>
#include <vector>

#include "boot_identity.h"
#include "caption_label.h"
#include "copy_text.h"
#include "face_button.h"
#include "tab_stops.h"
#include "twips.h"

namespace mirt2 {

namespace {
// Qt's timers count whole milliseconds on a clock of their own: aimed a
// millisecond past the next second, the tick does not come while the old
// second still shows, which would cost a second wakeup to show the new one.
constexpr std::chrono::milliseconds kPastTheSecond{1};
// Where the tick failed, it comes back a second later to try again.
constexpr std::chrono::milliseconds kUnaimed{1000};
constexpr Qt::WindowStates kImposedStates = Qt::WindowMaximized | Qt::WindowFullScreen;
}  // namespace

frmMirt2::frmMirt2(const WindowServices& services, const TimePattern& regional, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      services_(services),
      bank_(services.clock, regional),
      geometry_(*this),
      cmn_dialog1_(services.picker),
      boot_(BootIdentity()) {
  // Before any control exists: Qt keeps the first interface it makes for a control.
  InstallAccessibles(staticMetaObject);
  BuildControls(*this, *this);
  for (int i = 1; i <= kStopwatchCount; ++i) {
    const auto n = static_cast<std::size_t>(i - 1);
    connect(cmdStr[n], &QAbstractButton::clicked, this, [this, i] { cmdStr_Click(i); });
    connect(cmdStp[n], &QAbstractButton::clicked, this, [this, i] { cmdStp_Click(i); });
  }
  connect(cmbAlStr, &QAbstractButton::clicked, this, &frmMirt2::cmbAlStr_Click);
  connect(cmdAlStp, &QAbstractButton::clicked, this, &frmMirt2::cmdAlStp_Click);
  connect(cmdReset, &QAbstractButton::clicked, this, &frmMirt2::cmdReset_Click);
  for (const DisplayModeRow& mode : kDisplayModes) {
    connect(Option(mode.panels), &QAbstractButton::clicked, this,
            [this, &mode] { ChooseDisplayMode(mode); });
  }
  connect(chk1, &QAbstractButton::clicked, this, &frmMirt2::chk1_Click);
  connect(cmdCopy, &QAbstractButton::clicked, this, &frmMirt2::cmdCopy_Click);
  connect(cmdMoji, &QAbstractButton::clicked, this, &frmMirt2::cmdMoji_Click);
  connect(cmdButn, &QAbstractButton::clicked, this, &frmMirt2::cmdButn_Click);
  connect(cmdHaikei, &QAbstractButton::clicked, this, &frmMirt2::cmdHaikei_Click);
  connect(cmdMae, &QAbstractButton::clicked, this, &frmMirt2::cmdMae_Click);
  connect(cmdEnd, &QAbstractButton::clicked, this, &frmMirt2::cmdEnd_Click);
  // Timer1 has no row in the control table: it is not drawn and takes no focus. On Windows a
  // precise timer is a multimedia timer; another kind may come up to 16 ms late.
  timer1_.setTimerType(Qt::PreciseTimer);
  connect(&timer1_, &QTimer::timeout, this, &frmMirt2::Timer1_Timer);
  // The first tick comes as soon as the event loop runs, so that the window
  // shows the current time from the start rather than up to a second later.
  timer1_.start(0);
  services_.session.Follow([this] { return StateText(); });
}

frmMirt2::~frmMirt2() = default;

template <class Body>
bool frmMirt2::Attempt(const char* handler, Body&& body, bool report) {
  try {
    body();
    return true;
  } catch (const ToldFailure& error) {
    if (report) failures_.Report(handler, error.what(), error.UserText());
  } catch (const std::exception& error) {
    if (report) failures_.Report(handler, error.what());
  } catch (...) {
    if (report) failures_.Report(handler, "unknown error");
  }
  return false;
}

template <class Body>
bool frmMirt2::Run(const char* handler, Body&& body, bool report) {
  const bool done = Attempt(handler, std::forward<Body>(body), report);
  KeepState();
  return done;
}

// Not yet a state to keep: the session keeper hears of the window once it shows (its first
// Move), or once it is restored.
void frmMirt2::Form_Load() {
  Attempt("Form_Load", [this] {
    fram2->setFrameStyle(QFrame::NoFrame);
    fram3->setFrameStyle(QFrame::NoFrame);
    geometry_.SetWidth(kStartWidth);
    geometry_.SetTop(kStartTop);
    geometry_.SetHeight(kStartHeight);
    swith_mae_ = false;
    ShowTexts(bank_.ClearSwitches());
    // Focus starts on the first control of the tab order.
    cmbAlStr->setFocus(Qt::OtherFocusReason);
  });
}

void frmMirt2::ShowTexts(ChangedTexts changed) {
  // Only a changed text reaches its label, so a tick repaints only what changed.
  if (changed.StrJikan()) lblStrJikan->SetCaption(QString::fromUtf8(bank_.StrJikanText()));
  if (changed.ImaJikan()) lblImaJikan->SetCaption(QString::fromUtf8(bank_.ImaJikanText()));
  for (int i = 1; i <= kStopwatchCount; ++i) {
    if (changed.Jikan(i)) lblJikan[i - 1]->SetCaption(QString::fromUtf8(bank_.JikanText(i)));
  }
}

// Aimed afresh at the next second after every tick rather than repeating at
// a fixed interval: a clock that was set, a computer that woke up, or a tick
// that came late are all caught up by the next tick, with no drift and no run
// of ticks to make up for lost ones. The tick's own reading serves: the
// moments spent showing its texts only make the next tick that much later
// past the second, never early. The timer still repeats, so that a tick that
// failed comes again a second later.
void frmMirt2::Timer1_Timer() {
  // A tick a second: a failure that lasts is reported once, until a tick
  // succeeds again.
  const auto tick = [this] { ShowTexts(bank_.Tick()); };
  tick_failing_ = !Attempt("Timer1_Timer", tick, !tick_failing_);
  if (!timer1_.isActive()) return;
  std::chrono::milliseconds wait = kUnaimed;
  if (!tick_failing_) {
    wait = std::chrono::ceil<std::chrono::milliseconds>(std::chrono::seconds(1) -
                                                        bank_.TickIntoSecond()) +
           kPastTheSecond;
  }
  timer1_.start(wait);
}

// A start shows at once, not at the next tick up to a second later: the tick
// that takes the start time runs straight after it.
void frmMirt2::cmdStr_Click(int index) {
  Run("cmdStr_Click", [this, index] {
    ChangedTexts changed = bank_.StartOne(index);
    changed |= bank_.Tick();
    ShowTexts(changed);
  });
}

// A stop keeps the time at the click: a tick first brings it up to that
// moment, should the clock have been set or the second turned since the last.
void frmMirt2::cmdStp_Click(int index) {
  Run("cmdStp_Click", [this, index] {
    ChangedTexts changed = bank_.Tick();
    changed |= bank_.StopOne(index);
    ShowTexts(changed);
  });
}

void frmMirt2::cmbAlStr_Click() {
  Run("cmbAlStr_Click", [this] {
    ChangedTexts changed = bank_.StartAll();
    changed |= bank_.Tick();
    ShowTexts(changed);
  });
}

void frmMirt2::cmdAlStp_Click() {
  Run("cmdAlStp_Click", [this] {
    ChangedTexts changed = bank_.Tick();
    changed |= bank_.StopAll();
    ShowTexts(changed);
  });
}

void frmMirt2::cmdReset_Click() {
  Run("cmdReset_Click", [this] { ShowTexts(bank_.ResetAll()); });
}

namespace {
void SetTop(QWidget& frame, int twips) {
  frame.move(frame.x(), TwipsToPixels(twips));
}
}  // namespace

// The options panel's Top follows the Height that the window reports once it is set. The panels
// a mode hides stay where they are; mode 1 moves panel 1 to the top and leaves its Left.
void frmMirt2::LayOut(const DisplayModeRow& mode) {
  const Qt::CheckState check = chk1->checkState();
  showing_.Update(all);
  geometry_.SetTop(mode.window_top);
  SetTop(*fram2, mode.fram2_top);
  // A grayed check box, which only code could set, leaves the height and the options alone.
  if (check == Qt::Checked) ShowOptionsPanel(true, mode.height_options_shown);
  if (check == Qt::Unchecked) ShowOptionsPanel(false, mode.height_options_hidden);
  for (int n = 0; n < kStopwatchCount; ++n) {
    QFrame& panel = *fram1.at(static_cast<std::size_t>(n));
    if (n < mode.panels) {
      const int left = mode.panels == 1 ? panel.x() : TwipsToPixels(kPanelLeft);
      panel.move(left, TwipsToPixels(n * kPanelPitch));
    }
    panel.setVisible(n < mode.panels);
  }
  showing_.Update(all);
}

void frmMirt2::ShowOptionsPanel(bool shown, int window_height) {
  geometry_.SetHeight(window_height);
  if (shown) SetTop(*fram3, geometry_.Height() - kOptionsPanelAboveBottom);
  fram3->setVisible(shown);
}

void frmMirt2::opt1_Click() {
  ChooseDisplayMode(*FindDisplayMode(1));
}

void frmMirt2::opt5_Click() {
  ChooseDisplayMode(*FindDisplayMode(5));
}

void frmMirt2::opt10_Click() {
  ChooseDisplayMode(*FindDisplayMode(10));
}

// Every option button's click, named in a failure as its handler.
void frmMirt2::ChooseDisplayMode(const DisplayModeRow& mode) {
  Run((std::string(mode.option) + "_Click").c_str(), [this, &mode] { LayOut(mode); });
}

void frmMirt2::chk1_Click() {
  Run("chk1_Click", [this] {
    const bool shown = chk1->checkState() == Qt::Checked;
    showing_.Update(all);
    ShowOptionsPanel(shown, geometry_.Height() + (shown ? kOptionsToggle : -kOptionsToggle));
    showing_.Update(all);
  });
}

void frmMirt2::cmdCopy_Click() {
  Run("cmdCopy_Click", [this] {
    const bool numbered = swith_bang_;
    const int count = DisplayMode().panels;
    std::vector<std::string> texts;
    for (int i = 1; i <= count; ++i) {
      texts.push_back(lblJikan.at(static_cast<std::size_t>(i - 1))->text().toStdString());
    }
    const std::string report = BuildCopyText(texts, count, numbered);
    services_.clipboard.Clear();
    services_.clipboard.SetText(report);
    // The style switches last, so that a failed copy leaves it as it was.
    SetCopyStyle(!numbered);
  });
}

// The tool tip names the next click's style.
void frmMirt2::SetCopyStyle(bool numbered_next) {
  cmdCopy->setToolTip(QString::fromUtf8(numbered_next ? kCopyNumberedTip : kCopyUnnumberedTip));
  swith_bang_ = numbered_next;
}

// The colour handlers trap every error, the picker's cancel among them, and end silently:
// whatever happened, the window carries on as it was.
void frmMirt2::PickColour(const char* handler, std::optional<Colour>& variable,
                          void (frmMirt2::*apply)()) {
  const auto pick = [this, &variable, apply] {
    if (const std::optional<Colour> colour = cmn_dialog1_.ShowColor(this)) {
      ChooseColour(variable, *colour, apply);
    }
  };
  Run(handler, pick, /*report=*/false);
}

void frmMirt2::ChooseColour(std::optional<Colour>& variable, Colour colour,
                            void (frmMirt2::*apply)()) {
  variable = colour;
  (this->*apply)();
}

void frmMirt2::cmdMoji_Click() {
  PickColour("cmdMoji_Click", moji_colr_, &frmMirt2::ApplyMojiColr);
}

void frmMirt2::cmdButn_Click() {
  PickColour("cmdButn_Click", button_colr_, &frmMirt2::ApplyButtonColr);
}

void frmMirt2::cmdHaikei_Click() {
  PickColour("cmdHaikei_Click", bak_colr_, &frmMirt2::ApplyBakColr);
}

// Each recolours its group in the design's order, the single controls first, then the control
// arrays index by index, hidden panels included.
void frmMirt2::ApplyMojiColr() {
  for (QWidget* control : {lblStrt, lblIma, lblStrJikan, lblImaJikan}) {
    SetColour(*control, QPalette::WindowText, MojiColr());
  }
  for (QRadioButton* option : opt) SetColour(*option, QPalette::WindowText, MojiColr());
  for (std::size_t n = 0; n < kStopwatchCount; ++n) {
    SetColour(*lblNo[n], QPalette::WindowText, MojiColr());
    SetColour(*lblJikan[n], QPalette::WindowText, MojiColr());
  }
}

void frmMirt2::ApplyButtonColr() {
  const QColor face = ToQColor(ButtonColr());
  for (FaceButton* button :
       {cmdEnd, cmbAlStr, cmdAlStp, cmdReset, cmdMoji, cmdButn, cmdHaikei, cmdCopy, cmdMae}) {
    button->SetFace(face);
  }
  for (std::size_t n = 0; n < kStopwatchCount; ++n) {
    cmdStr[n]->SetFace(face);
    cmdStp[n]->SetFace(face);
  }
}

void frmMirt2::ApplyBakColr() {
  for (QWidget* control : std::initializer_list<QWidget*>{this, fram2, fram3}) {
    SetColour(*control, QPalette::Window, BakColr());
  }
  for (QRadioButton* option : opt) SetColour(*option, QPalette::Window, BakColr());
  SetColour(*chk1, QPalette::Window, BakColr());
  for (QFrame* panel : fram1) SetColour(*panel, QPalette::Window, BakColr());
}

void frmMirt2::cmdMae_Click() {
  Run("cmdMae_Click", [this] { SwitchMae(); });
}

// Where the desktop refuses, the button keeps its face and the flag its value.
void frmMirt2::SwitchMae() {
  services_.stacking.SetTopmost(*this, !swith_mae_);
  const MaeFace& next = swith_mae_ ? kMaeToFront : kMaeRelease;
  cmdMae->setText(QString::fromUtf8(next.caption));
  cmdMae->setToolTip(QString::fromUtf8(next.tool_tip));
  cmdMae->setAccessibleName(QString::fromUtf8(next.accessible_name));
  swith_mae_ = !swith_mae_;
}

void frmMirt2::cmdEnd_Click() {
  Run("cmdEnd_Click", [this] {
    close();
    QCoreApplication::exit(0);
  });
}

// 続きから: the start is set from the time the stopwatch ran, and the tick that shows it runs
// straight after, as a start's does. 開始時刻 stays: a continuation is not a beginning.
void frmMirt2::mnuContinue_Click(int index) {
  Run("mnuContinue_Click", [this, index] {
    ChangedTexts changed = bank_.ContinueOne(index);
    changed |= bank_.Tick();
    ShowTexts(changed);
  });
}

// One stopwatch cleared is not all: 開始時刻 and the others stay.
void frmMirt2::mnuBackToZero_Click(int index) {
  Run("mnuBackToZero_Click", [this, index] { ShowTexts(bank_.ResetOne(index)); });
}

// Made when it first opens, which most runs never do. A window of its own, it keeps the system's
// colours and font, which read whatever the person chose for the window.
void frmMirt2::ShowPanelMenu(int index, const QPoint& at, bool from_keyboard) {
  if (panel_menu_ == nullptr) {
    panel_menu_ = new QMenu(this);
    mnu_continue_ = panel_menu_->addAction(QString::fromUtf8(kContinueCaption));
    mnu_back_to_zero_ = panel_menu_->addAction(QString::fromUtf8(kBackToZeroCaption));
    connect(mnu_continue_, &QAction::triggered, this, [this] { mnuContinue_Click(menu_panel_); });
    connect(mnu_back_to_zero_, &QAction::triggered, this,
            [this] { mnuBackToZero_Click(menu_panel_); });
  }
  menu_panel_ = index;
  // Nothing to continue while it runs, or before it has run.
  mnu_continue_->setEnabled(bank_.CanContinue(index));
  panel_menu_->setAccessibleName(QString::fromUtf8("ストップウォッチ %1 のメニュー").arg(index));
  panel_menu_->popup(at);
  if (from_keyboard) {
    panel_menu_->setActiveAction(mnu_continue_->isEnabled() ? mnu_continue_ : mnu_back_to_zero_);
  }
}

int frmMirt2::PanelOf(const QWidget* control) const {
  for (int i = 1; i <= kStopwatchCount; ++i) {
    const auto n = static_cast<std::size_t>(i - 1);
    if (control != nullptr && (control == cmdStr[n] || control == cmdStp[n])) return i;
  }
  return 0;
}

int frmMirt2::PanelAt(const QPoint& at) const {
  for (int i = 1; i <= kStopwatchCount; ++i) {
    const QFrame* panel = fram1[static_cast<std::size_t>(i - 1)];
    if (panel->isVisible() && panel->geometry().contains(at)) return i;
  }
  return 0;
}

// A right-click anywhere on a panel, its number, time, frame or buttons, none of which take it,
// comes here; so does the Menu key, on the focused control. From the keyboard the menu opens
// below the focused button, as Windows opens it.
void frmMirt2::contextMenuEvent(QContextMenuEvent* event) {
  const QWidget* focused = focusWidget();
  const bool by_mouse = event->reason() == QContextMenuEvent::Mouse;
  const int panel = by_mouse ? PanelAt(event->pos()) : PanelOf(focused);
  if (panel == 0) {
    event->ignore();
    return;
  }
  ShowPanelMenu(panel,
                by_mouse ? event->globalPos() : focused->mapToGlobal(focused->rect().bottomLeft()),
                !by_mouse);
}

// The option buttons are exclusive and the first is selected from the start, so one always is.
const DisplayModeRow& frmMirt2::DisplayMode() const {
  for (std::size_t n = 0; n < kDisplayModeCount; ++n) {
    if (opt[n]->isChecked()) return kDisplayModes[n];
  }
  return kDisplayModes.front();
}

bool frmMirt2::event(QEvent* event) {
  const bool handled = QWidget::event(event);
  switch (event->type()) {
    case QEvent::WindowStateChange:
      // The window's size is the program's: a maximized or full-screen state that the window
      // system imposes (a compositor's shortcut, a title bar's button) is undone, and the window
      // returns to where and as it was.
      if (windowState() & kImposedStates) setWindowState(windowState() & ~kImposedStates);
      geometry_.FrameMayHaveChanged();
      break;
    case QEvent::Move:
      geometry_.FrameMayHaveChanged();
      KeepState();
      break;
    case QEvent::Resize:
    case QEvent::Show:
      geometry_.FrameMayHaveChanged();
      break;
    default:
      break;
  }
  return handled;
}

void frmMirt2::keyPressEvent(QKeyEvent* event) {
  // Enter anywhere that no focused button took presses the window's default button.
  if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
      default_button != nullptr) {
    default_button->click();
    return;
  }
  // Shift+F10 opens the focused panel's menu as the Menu key does: Windows makes a context menu
  // of it, which Qt on X11 does not.
  if (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier) {
    const QWidget* focused = focusWidget();
    if (const int panel = PanelOf(focused); panel != 0) {
      ShowPanelMenu(panel, focused->mapToGlobal(focused->rect().bottomLeft()), true);
      return;
    }
  }
  QWidget::keyPressEvent(event);
}

// Tab, Shift+Tab and the arrow keys on buttons come here from whichever control has the focus.
// Qt would also stop at controls outside the client area, where nobody sees the focus.
bool frmMirt2::focusNextPrevChild(bool next) {
  return FocusNextTabStop(*this, next);
}

void frmMirt2::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  showing_.Update(all);
}

void frmMirt2::closeEvent(QCloseEvent* event) {
  services_.session.Closing();
  QWidget::closeEvent(event);
}

WindowSnapshot frmMirt2::TakeWindowSnapshot() const {
  WindowSnapshot saved;
  const DisplayModeRow& mode = DisplayMode();
  saved.mode = mode.panels;
  saved.options = chk1->checkState() == Qt::Checked;
  saved.height = geometry_.Height();
  // A height the platform would not give, or a grayed box's, comes back as the layout's own.
  if (!ToggledSinceChosen(mode, saved.options, saved.height)) {
    saved.height = saved.options ? mode.height_options_shown : mode.height_options_hidden;
  }
  const QPoint place = frameGeometry().topLeft();
  saved.left = place.x();
  saved.top = place.y();
  saved.text_colour = moji_colr_;
  saved.button_colour = button_colr_;
  saved.back_colour = bak_colr_;
  saved.picker_colour = cmn_dialog1_.Color();
  saved.custom_colours = cmn_dialog1_.Custom();
  saved.front = swith_mae_;
  saved.numbered_next = swith_bang_;
  return saved;
}

std::string frmMirt2::StateText() {
  const ClockReading now = services_.clock.Now();
  return EncodeSessionState(
      {SavedMoment{boot_, now.real, now.wall}, bank_.Snapshot(), TakeWindowSnapshot()});
}

// Only a change reaches the session keeper: on Windows each one is a registration.
void frmMirt2::KeepState() {
  if (restoring_) return;
  Attempt(
      "KeepState",
      [this] {
        BankSnapshot bank = bank_.Snapshot();
        WindowSnapshot window = TakeWindowSnapshot();
        if (kept_bank_ == bank && kept_window_ == window) return;
        services_.session.Changed();
        kept_bank_ = bank;
        kept_window_ = window;
      },
      /*report=*/false);
}

RestoreOutcome frmMirt2::Restore(const SessionState& state) {
  RestoreOutcome outcome;
  const WindowSnapshot& saved = state.window;
  const DisplayModeRow* const mode = FindDisplayMode(saved.mode);
  if (mode == nullptr) {
    outcome.problem = "mode: not one of the window's";
    return outcome;
  }
  const std::optional<bool> toggled = ToggledSinceChosen(*mode, saved.options, saved.height);
  if (!toggled) {
    outcome.problem = "height: not one of the layout's";
    return outcome;
  }
  const std::optional<std::chrono::nanoseconds> shift =
      ClockShift(state.moment, services_.clock.Now(), boot_);
  if (!shift) {
    outcome.problem = "real: later than now";
    return outcome;
  }
  restoring_ = true;
  outcome.restored = Attempt("Restore", [&] {
    ChangedTexts changed = bank_.Restore(state.bank, *shift);
    changed |= bank_.Tick();
    ShowTexts(changed);
    // The layout as the person made it: chosen with the options box as it then was, then the
    // box ticked or cleared where it was since.
    chk1->setCheckState(saved.options != *toggled ? Qt::Checked : Qt::Unchecked);
    Option(mode->panels)->setChecked(true);
    LayOut(*mode);
    if (*toggled) {
      chk1->setCheckState(saved.options ? Qt::Checked : Qt::Unchecked);
      chk1_Click();
    }
    if (saved.text_colour) ChooseColour(moji_colr_, *saved.text_colour, &frmMirt2::ApplyMojiColr);
    if (saved.button_colour) {
      ChooseColour(button_colr_, *saved.button_colour, &frmMirt2::ApplyButtonColr);
    }
    if (saved.back_colour) ChooseColour(bak_colr_, *saved.back_colour, &frmMirt2::ApplyBakColr);
    cmn_dialog1_.SetColor(saved.picker_colour);
    cmn_dialog1_.SetCustom(saved.custom_colours);
    SetCopyStyle(saved.numbered_next);
    PlaceAt(saved.left, saved.top);
    if (saved.front) {
      outcome.front_refused = !Attempt(
          "cmdMae_Click", [this] { SwitchMae(); }, /*report=*/false);
    }
  });
  restoring_ = false;
  if (!outcome.restored) outcome.problem = "the window could not take it";
  KeepState();
  return outcome;
}

// Where the window was, on the screen under its middle, or the main screen where none is there
// now; whole on that screen's work area.
void frmMirt2::PlaceAt(int left, int top) {
  QSize outer = frameGeometry().size();
  // Not yet framed, the window's frame is taken as the design's, wider than most desktops'.
  if (outer == size()) {
    outer += QSize(TwipsToPixels(kDesignFrameWidth), TwipsToPixels(kDesignFrameHeight));
  }
  const QScreen* screen =
      QGuiApplication::screenAt(QPoint(left + outer.width() / 2, top + outer.height() / 2));
  if (screen == nullptr) screen = QGuiApplication::primaryScreen();
  if (screen != nullptr) {
    const QRect area = screen->availableGeometry();
    left = std::clamp(left, area.left(), std::max(area.left(), area.right() + 1 - outer.width()));
    top = std::clamp(top, area.top(), std::max(area.top(), area.bottom() + 1 - outer.height()));
  }
  move(left, y());
  geometry_.SetTop(PixelsToTwips(top));
}

}  // namespace mirt2
