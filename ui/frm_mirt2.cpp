#include "frm_mirt2.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QRadioButton>
#include <exception>
#include <string>
#include <string_view>
#include <vector>

#include "build_controls.h"
#include "button_faces.h"
#include "caption_label.h"
#include "control_table.h"
#include "copy_text.h"
#include "face_button.h"
#include "qt_colour.h"
#include "qt_text.h"
#include "startup_plan.h"
#include "tab_stops.h"
#include "twips.h"

namespace mirt2 {

namespace {

// Click handlers by control name; a control array's handler receives the index.
struct ClickBinding {
  std::string_view control;
  void (frmMirt2::*handler)() = nullptr;
  void (frmMirt2::*indexed_handler)(int) = nullptr;
};

constexpr ClickBinding kClickBindings[] = {
    {"cmdStr", nullptr, &frmMirt2::cmdStr_Click},
    {"cmdStp", nullptr, &frmMirt2::cmdStp_Click},
    {"cmbAlStr", &frmMirt2::cmbAlStr_Click},
    {"cmdAlStp", &frmMirt2::cmdAlStp_Click},
    {"cmdReset", &frmMirt2::cmdReset_Click},
    {"opt1", &frmMirt2::opt1_Click},
    {"opt5", &frmMirt2::opt5_Click},
    {"opt10", &frmMirt2::opt10_Click},
    {"chk1", &frmMirt2::chk1_Click},
    {"cmdCopy", &frmMirt2::cmdCopy_Click},
    {"cmdMoji", &frmMirt2::cmdMoji_Click},
    {"cmdButn", &frmMirt2::cmdButn_Click},
    {"cmdHaikei", &frmMirt2::cmdHaikei_Click},
    {"cmdMae", &frmMirt2::cmdMae_Click},
    {"cmdEnd", &frmMirt2::cmdEnd_Click},
};

}  // namespace

frmMirt2::frmMirt2(const WindowServices& services, const TimePattern& regional, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      services_(services),
      bank_(services.clock, regional),
      controls_(BuildControls(*this, ControlTable())),
      geometry_(*this),
      cmn_dialog1_(services.picker) {
  for (int i = 1; i <= kStopwatchCount; ++i) {
    fram1_[i - 1] = controls_.As<QFrame>("fram1", i);
    lbl_jikan_[i - 1] = controls_.As<CaptionLabel>("lblJikan", i);
  }
  fram2_ = controls_.As<QFrame>("fram2");
  fram3_ = controls_.As<QFrame>("fram3");
  lbl_str_jikan_ = controls_.As<CaptionLabel>("lblStrJikan");
  lbl_ima_jikan_ = controls_.As<CaptionLabel>("lblImaJikan");
  cmb_al_str_ = controls_.As<FaceButton>("cmbAlStr");
  opt1_ = controls_.As<QRadioButton>("opt1");
  opt5_ = controls_.As<QRadioButton>("opt5");
  opt10_ = controls_.As<QRadioButton>("opt10");
  chk1_ = controls_.As<QCheckBox>("chk1");
  cmd_copy_ = controls_.As<FaceButton>("cmdCopy");
  cmd_mae_ = controls_.As<FaceButton>("cmdMae");

  BindEvents();
  timer1_.setInterval(kTimer1Interval);
  connect(&timer1_, &QTimer::timeout, this, &frmMirt2::Timer1_Timer);
  timer1_.start();
}

frmMirt2::~frmMirt2() = default;

template <class Body>
bool frmMirt2::Run(const char* handler, Body&& body, bool report) {
  try {
    body();
    return true;
  } catch (const std::exception& error) {
    if (report) failures_.Report(handler, error.what());
  } catch (...) {
    if (report) failures_.Report(handler, "unknown error");
  }
  return false;
}

void frmMirt2::BindEvents() {
  for (const auto& [ref, widget] : controls_.All()) {
    for (const ClickBinding& binding : kClickBindings) {
      if (binding.control != ref.name) continue;
      auto* button = qobject_cast<QAbstractButton*>(widget);
      if (button == nullptr) continue;
      const int index = ref.index;
      connect(button, &QAbstractButton::clicked, this, [this, binding, index] {
        if (binding.indexed_handler != nullptr) {
          (this->*binding.indexed_handler)(index);
        } else {
          (this->*binding.handler)();
        }
      });
    }
  }
}

void frmMirt2::Form_Load() {
  Run("Form_Load", [this] {
    for (const StartupAssignment& step : kStartupAssignments) {
      switch (step.property) {
        case StartupProperty::kBorderStyle:
          controls_.As<QFrame>(step.target.name, step.target.index)
              ->setFrameStyle(step.value == 0 ? QFrame::NoFrame : (QFrame::Box | QFrame::Sunken));
          break;
        case StartupProperty::kWidth:
          geometry_.SetWidth(step.value);
          break;
        case StartupProperty::kTop:
          geometry_.SetTop(step.value);
          break;
        case StartupProperty::kHeight:
          geometry_.SetHeight(step.value);
          break;
      }
    }
    swith_mae_ = false;
    ShowTexts(bank_.ClearSwitches());
    // Focus starts on the first control of the tab order.
    cmb_al_str_->setFocus(Qt::OtherFocusReason);
  });
}

void frmMirt2::ShowTexts(ChangedTexts changed) {
  // Only a changed text reaches its label, so a tick repaints only what changed.
  caption_writes_ += changed.Count();
  if (changed.StrJikan()) lbl_str_jikan_->SetCaption(ToQString(bank_.StrJikanText()));
  if (changed.ImaJikan()) lbl_ima_jikan_->SetCaption(ToQString(bank_.ImaJikanText()));
  for (int i = 1; i <= kStopwatchCount; ++i) {
    if (changed.Jikan(i)) lbl_jikan_[i - 1]->SetCaption(ToQString(bank_.JikanText(i)));
  }
}

void frmMirt2::Timer1_Timer() {
  // Ten ticks a second: a failure that lasts is reported once, until a tick
  // succeeds again.
  const auto tick = [this] { ShowTexts(bank_.Tick()); };
  tick_failing_ = !Run("Timer1_Timer", tick, !tick_failing_);
}

void frmMirt2::cmdStr_Click(int index) {
  Run("cmdStr_Click", [this, index] { ShowTexts(bank_.StartOne(index)); });
}

void frmMirt2::cmdStp_Click(int index) {
  Run("cmdStp_Click", [this, index] { ShowTexts(bank_.StopOne(index)); });
}

void frmMirt2::cmbAlStr_Click() {
  Run("cmbAlStr_Click", [this] { ShowTexts(bank_.StartAll()); });
}

void frmMirt2::cmdAlStp_Click() {
  Run("cmdAlStp_Click", [this] { ShowTexts(bank_.StopAll()); });
}

void frmMirt2::cmdReset_Click() {
  Run("cmdReset_Click", [this] { ShowTexts(bank_.ResetAll()); });
}

int frmMirt2::CheckValue() const {
  switch (chk1_->checkState()) {
    case Qt::Unchecked:
      return kCheckUnchecked;
    case Qt::Checked:
      return kCheckChecked;
    case Qt::PartiallyChecked:
      return kCheckGrayed;
  }
  return kCheckUnchecked;
}

void frmMirt2::LayOutDisplayMode(int mode) {
  LayOut(PlanDisplayMode(mode, CheckValue()));
}

void frmMirt2::LayOut(const std::vector<LayoutAssignment>& plan) {
  showing_.Update(controls_);
  ApplyLayout(plan, *this);
  showing_.Update(controls_);
}

void frmMirt2::opt1_Click() {
  Run("opt1_Click", [this] { LayOutDisplayMode(1); });
}

void frmMirt2::opt5_Click() {
  Run("opt5_Click", [this] { LayOutDisplayMode(5); });
}

void frmMirt2::opt10_Click() {
  Run("opt10_Click", [this] { LayOutDisplayMode(10); });
}

void frmMirt2::chk1_Click() {
  Run("chk1_Click", [this] { LayOut(PlanOptionsPanel(CheckValue(), geometry_.Height())); });
}

void frmMirt2::cmdCopy_Click() {
  Run("cmdCopy_Click", [this] {
    const bool numbered = swith_bang_;
    const int count = DisplayMode();
    std::vector<std::string> texts;
    for (int i = 1; i <= count; ++i) {
      texts.push_back(lbl_jikan_.at(static_cast<std::size_t>(i - 1))->text().toStdString());
    }
    const std::string report = BuildCopyText(texts, count, numbered);
    services_.clipboard.Clear();
    services_.clipboard.SetText(report);
    // The tool tip names the next click's style: it switches with the style,
    // last, so that a failed copy leaves both as they were.
    cmd_copy_->setToolTip(ToQString(numbered ? kCopyUnnumberedTip : kCopyNumberedTip));
    swith_bang_ = !swith_bang_;
  });
}

// The colour handlers trap every error, the picker's cancel among them, and
// end silently: whatever happened, the window carries on as it was.
void frmMirt2::PickColour(Colour& variable, void (frmMirt2::*apply)()) {
  try {
    const std::optional<Colour> chosen = cmn_dialog1_.ShowColor(this);
    if (!chosen) return;
    variable = *chosen;
    (this->*apply)();
  } catch (...) {  // NOLINT(bugprone-empty-catch): silent by design
  }
}

void frmMirt2::cmdMoji_Click() {
  PickColour(moji_colr_, &frmMirt2::ApplyMojiColr);
}

void frmMirt2::cmdButn_Click() {
  PickColour(button_colr_, &frmMirt2::ApplyButtonColr);
}

void frmMirt2::cmdHaikei_Click() {
  PickColour(bak_colr_, &frmMirt2::ApplyBakColr);
}

void frmMirt2::ApplyMojiColr() {
  ApplyColour(ColourGroup::kMoji, moji_colr_);
}
void frmMirt2::ApplyButtonColr() {
  ApplyColour(ColourGroup::kButton, button_colr_);
}
void frmMirt2::ApplyBakColr() {
  ApplyColour(ColourGroup::kBak, bak_colr_);
}

void frmMirt2::ApplyColour(ColourGroup group, Colour colour) {
  const QColor qt_colour = ToQColor(colour);
  const QPalette::ColorRole role =
      PropertyOf(group) == ColourProperty::kForeColor ? QPalette::WindowText : QPalette::Window;
  for (const ControlRef& member : MembersOf(group)) {
    QWidget* widget = controls_.Get(member);
    if (auto* button = qobject_cast<FaceButton*>(widget)) {
      button->SetFace(qt_colour);
      continue;
    }
    QPalette palette = widget->palette();
    palette.setColor(role, qt_colour);
    widget->setPalette(palette);
  }
}

void frmMirt2::cmdMae_Click() {
  Run("cmdMae_Click", [this] {
    services_.stacking.SetTopmost(*this, !swith_mae_);
    const MaeFace& next = swith_mae_ ? kMaeToFront : kMaeRelease;
    cmd_mae_->setText(ToQString(next.caption));
    cmd_mae_->setToolTip(ToQString(next.tool_tip));
    cmd_mae_->setAccessibleName(ToQString(next.accessible_name));
    swith_mae_ = !swith_mae_;
  });
}

void frmMirt2::cmdEnd_Click() {
  Run("cmdEnd_Click", [this] {
    close();
    QCoreApplication::exit(0);
  });
}

int frmMirt2::DisplayMode() const {
  if (opt1_->isChecked()) return 1;
  if (opt5_->isChecked()) return 5;
  if (opt10_->isChecked()) return 10;
  return 0;
}

QWidget* frmMirt2::Frame(LayoutTarget target) const {
  switch (target.object) {
    case LayoutObject::kFram1:
      return fram1_.at(static_cast<std::size_t>(target.index - 1));
    case LayoutObject::kFram2:
      return fram2_;
    case LayoutObject::kFram3:
      return fram3_;
    case LayoutObject::kWindow:
      break;
  }
  return nullptr;
}

void frmMirt2::SetLeft(LayoutTarget target, int twips) {
  if (target.object == LayoutObject::kWindow) {
    move(TwipsToPixels(twips), y());
    return;
  }
  QWidget* frame = Frame(target);
  frame->move(TwipsToPixels(twips), frame->y());
}

void frmMirt2::SetTop(LayoutTarget target, int twips) {
  if (target.object == LayoutObject::kWindow) {
    geometry_.SetTop(twips);
    return;
  }
  QWidget* frame = Frame(target);
  frame->move(frame->x(), TwipsToPixels(twips));
}

void frmMirt2::SetHeight(LayoutTarget target, int twips) {
  if (target.object == LayoutObject::kWindow) {
    geometry_.SetHeight(twips);
    return;
  }
  QWidget* frame = Frame(target);
  frame->resize(frame->width(), TwipsToPixels(twips));
}

void frmMirt2::SetVisible(LayoutTarget target, bool visible) {
  if (target.object == LayoutObject::kWindow) {
    setVisible(visible);
    return;
  }
  Frame(target)->setVisible(visible);
}

int frmMirt2::WindowHeight() const {
  return geometry_.Height();
}

bool frmMirt2::event(QEvent* event) {
  const bool handled = QWidget::event(event);
  switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Show:
    case QEvent::WindowStateChange:
      geometry_.FrameMayHaveChanged();
      break;
    default:
      break;
  }
  return handled;
}

void frmMirt2::keyPressEvent(QKeyEvent* event) {
  // The start-all button is the window's default button: Enter anywhere that
  // no focused button took it presses it.
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    cmb_al_str_->click();
    return;
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
  showing_.Update(controls_);
}

}  // namespace mirt2
