#include "build_controls.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QRadioButton>
#include <QStringList>
#include <algorithm>
#include <vector>

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

void SetColour(QWidget& widget, QPalette::ColorRole role, Colour colour) {
  QPalette palette = widget.palette();
  palette.setColor(role, ToQColor(colour));
  widget.setPalette(palette);
}

QWidget* Create(const ControlRow& row, QWidget* parent) {
  switch (row.kind) {
    case ControlKind::kFrame: {
      auto* frame = new QFrame(parent);
      frame->setFrameStyle(row.bordered ? (QFrame::Box | QFrame::Sunken) : QFrame::NoFrame);
      return frame;
    }
    case ControlKind::kLabel: {
      auto* label = new CaptionLabel(ToQString(row.caption), parent);
      const Qt::Alignment horizontal =
          row.alignment == LabelAlignment::kCentred ? Qt::AlignHCenter : Qt::AlignLeft;
      label->setAlignment(horizontal | Qt::AlignTop);
      return label;
    }
    case ControlKind::kCommandButton: {
      auto* button = new FaceButton(ToQString(row.caption), parent);
      button->SetWindowDefault(row.default_button);
      return button;
    }
    case ControlKind::kOptionButton: {
      auto* option = new QRadioButton(ToQString(row.caption), parent);
      // Buttons paint on the Button role; these take the frame's colours.
      option->setBackgroundRole(QPalette::Window);
      option->setForegroundRole(QPalette::WindowText);
      option->setChecked(row.value != 0);
      return option;
    }
    case ControlKind::kCheckBox: {
      auto* check = new QCheckBox(parent);
      check->setBackgroundRole(QPalette::Window);
      check->setForegroundRole(QPalette::WindowText);
      check->setCheckState(row.value == 2   ? Qt::PartiallyChecked
                           : row.value != 0 ? Qt::Checked
                                            : Qt::Unchecked);
      return check;
    }
    case ControlKind::kWindow:
      break;
  }
  return nullptr;
}

void ApplyAccessibleTexts(const ControlRow& row, QWidget& widget) {
  if (!row.accessible_name.empty()) widget.setAccessibleName(ToQString(row.accessible_name));
  if (!row.accessible_description.empty()) {
    widget.setAccessibleDescription(ToQString(row.accessible_description));
  }
}

void ApplyProperties(const ControlRow& row, QWidget& widget) {
  if (!row.tool_tip.empty()) widget.setToolTip(ToQString(row.tool_tip));
  ApplyAccessibleTexts(row, widget);
  if (row.font) widget.setFont(DesignFont(*row.font, widget.font()));
  if (row.fore_color) SetColour(widget, QPalette::WindowText, *row.fore_color);
  if (row.back_color) {
    if (auto* button = qobject_cast<FaceButton*>(&widget)) {
      button->SetFace(ToQColor(*row.back_color));
    } else {
      SetColour(widget, QPalette::Window, *row.back_color);
      widget.setAutoFillBackground(!row.transparent);
    }
  }
  widget.setObjectName(row.index == 0
                           ? ToQString(row.name)
                           : QStringLiteral("%1(%2)").arg(ToQString(row.name)).arg(row.index));
}

}  // namespace

QFont DesignFont(const FontStyle& row, const QFont& base) {
  QFont font = base;
  QStringList faces;
  for (std::string_view face : kFontFaces) {
    faces << ToQString(face);
  }
  font.setFamilies(faces);
  font.setPointSizeF(row.points);
  font.setBold(row.bold);
  font.setUnderline(row.underline);
  return font;
}

ControlSet BuildControls(QWidget& window, std::span<const ControlRow> table) {
  // Before any control exists: Qt keeps the first interface it makes for a control.
  InstallControlAccessibles();
  ControlSet controls;
  std::vector<const ControlRow*> focus_order;
  for (const ControlRow& row : table) {
    if (row.kind == ControlKind::kWindow) {
      window.setWindowTitle(ToQString(row.caption));
      // Every control sits where its twips put it: the window has one direction, whatever
      // direction a translation of Qt gives the application (Hebrew, Arabic, -reverse).
      window.setLayoutDirection(Qt::LeftToRight);
      // Controls that name no font take the window's: the design face at 9 pt.
      window.setFont(DesignFont(FontStyle{}, window.font()));
      ApplyAccessibleTexts(row, window);
      if (row.back_color) {
        SetColour(window, QPalette::Window, *row.back_color);
        window.setAutoFillBackground(true);
      }
      controls.Add(row.Ref(), &window);
      continue;
    }
    QWidget* widget = Create(row, controls.Get(row.container));
    ApplyProperties(row, *widget);
    widget->setGeometry(PixelRect(row));
    if (!row.visible) widget->hide();
    controls.Add(row.Ref(), widget);
    if (widget->focusPolicy() != Qt::NoFocus && row.tab_index) focus_order.push_back(&row);
  }

  // Made last, so that it outlives the controls that use it.
  auto* focus_marks = new FocusMarkStyle();
  focus_marks->setParent(&window);
  for (const auto& [ref, widget] : controls.All()) {
    if (qobject_cast<QRadioButton*>(widget) != nullptr ||
        qobject_cast<QCheckBox*>(widget) != nullptr) {
      widget->setStyle(focus_marks);
    }
  }

  std::stable_sort(
      focus_order.begin(), focus_order.end(),
      [](const ControlRow* a, const ControlRow* b) { return *a->tab_index < *b->tab_index; });
  for (std::size_t n = 1; n < focus_order.size(); ++n) {
    QWidget::setTabOrder(controls.Get(focus_order[n - 1]->Ref()),
                         controls.Get(focus_order[n]->Ref()));
  }
  return controls;
}

}  // namespace mirt2
