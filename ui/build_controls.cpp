#include "build_controls.h"

#include <QCheckBox>
#include <QFrame>
#include <QRadioButton>
#include <QStringList>
#include <algorithm>

#include "caption_label.h"
#include "control_accessibles.h"
#include "face_button.h"
#include "focus_mark.h"
#include "qt_colour.h"
#include "qt_text.h"
#include "twips.h"

namespace mirt2 {

namespace {

// Edges rather than sizes are rounded, so that neighbours that touch in twips
// touch in pixels.
QRect PixelRect(const ControlRow& row) {
  const int left = TwipsToPixels(row.left);
  const int top = TwipsToPixels(row.top);
  return {left, top, TwipsToPixels(row.left + row.width) - left,
          TwipsToPixels(row.top + row.height) - top};
}

void SetAccessibleTexts(QWidget& widget, const ControlRow& row) {
  if (!row.accessible_name.empty()) widget.setAccessibleName(ToQString(row.accessible_name));
  if (!row.accessible_description.empty()) {
    widget.setAccessibleDescription(ToQString(row.accessible_description));
  }
}

// The palette's colours: the text, and the background a control fills itself (none on a
// label: its frame shows through). A command button shows its back colour on its face.
void Paint(QWidget& control, const ControlRow& row) {
  if (row.fore_color) SetColour(control, QPalette::WindowText, *row.fore_color);
  if (row.back_color) {
    SetColour(control, QPalette::Window, *row.back_color);
    control.setAutoFillBackground(true);
  }
}

}  // namespace

QFont DesignFont(const FontStyle& style, const QFont& base) {
  QFont font = base;
  QStringList faces;
  for (std::string_view face : kFontFaces) {
    faces << ToQString(face);
  }
  font.setFamilies(faces);
  font.setPointSizeF(style.points);
  font.setBold(style.bold);
  font.setUnderline(style.underline);
  return font;
}

ControlMaker::ControlMaker(QWidget& window, const ControlRow& row, std::vector<QWidget*>& all)
    : window_(window), all_(all) {
  // Before any control exists: Qt keeps the first interface it makes for a control.
  InstallControlAccessibles();
  window.setObjectName(ToQString(row.name));
  window.setWindowTitle(ToQString(row.caption));
  // Every control sits where its twips put it: the window has one direction, whatever
  // direction a translation of Qt gives the application (Hebrew, Arabic, -reverse).
  window.setLayoutDirection(Qt::LeftToRight);
  // Controls that name no font take the window's: the design face at 9 pt.
  window.setFont(DesignFont(FontStyle{}, window.font()));
  SetAccessibleTexts(window, row);
  Paint(window, row);
}

void ControlMaker::Place(QWidget& control, const ControlRow& row) {
  control.setObjectName(ToQString(row.name));
  if (!row.tool_tip.empty()) control.setToolTip(ToQString(row.tool_tip));
  SetAccessibleTexts(control, row);
  if (row.font) control.setFont(DesignFont(*row.font, control.font()));
  control.setGeometry(PixelRect(row));
  if (!row.visible) control.hide();
  if (row.tab_index && control.focusPolicy() != Qt::NoFocus) {
    tab_stops_.emplace_back(*row.tab_index, &control);
  }
  all_.push_back(&control);
}

void ControlMaker::Make(QFrame*& frame, QWidget* container, const ControlRow& row) {
  frame = new QFrame(container);
  frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
  Paint(*frame, row);
  Place(*frame, row);
}

void ControlMaker::Make(CaptionLabel*& label, QWidget* container, const ControlRow& row) {
  label = new CaptionLabel(ToQString(row.caption), container);
  label->setAlignment((row.centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
  Paint(*label, row);
  Place(*label, row);
}

void ControlMaker::Make(FaceButton*& button, QWidget* container, const ControlRow& row) {
  button = new FaceButton(ToQString(row.caption), container);
  button->SetWindowDefault(row.default_button);
  if (row.back_color) button->SetFace(ToQColor(*row.back_color));
  Place(*button, row);
}

void ControlMaker::Make(QRadioButton*& option, QWidget* container, const ControlRow& row) {
  option = new QRadioButton(ToQString(row.caption), container);
  PlaceOnFrame(*option, row);
}

void ControlMaker::Make(QCheckBox*& check, QWidget* container, const ControlRow& row) {
  check = new QCheckBox(container);
  PlaceOnFrame(*check, row);
}

void ControlMaker::PlaceOnFrame(QAbstractButton& button, const ControlRow& row) {
  // Buttons paint on the Button role; these take the frame's colours.
  button.setBackgroundRole(QPalette::Window);
  button.setForegroundRole(QPalette::WindowText);
  button.setChecked(row.value);
  marked_.push_back(&button);
  Paint(button, row);
  Place(button, row);
}

void ControlMaker::Finish() {
  // Made last, so that it outlives the controls that use it.
  auto* focus_marks = new FocusMarkStyle();
  focus_marks->setParent(&window_);
  for (QWidget* control : marked_) control->setStyle(focus_marks);
  std::stable_sort(tab_stops_.begin(), tab_stops_.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  for (std::size_t n = 1; n < tab_stops_.size(); ++n) {
    QWidget::setTabOrder(tab_stops_[n - 1].second, tab_stops_[n].second);
  }
}

}  // namespace mirt2
