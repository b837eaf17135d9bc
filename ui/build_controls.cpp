#include "build_controls.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QRadioButton>
#include <QStringList>
#include <algorithm>
#include <vector>

#include "caption_label.h"
#include "face_button.h"
#include "qt_colour.h"
#include "twips.h"

namespace mirt2 {

namespace {

QString Text(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// Edges rather than sizes are rounded, so that neighbours that touch in twips
// touch in pixels.
QRect PixelRect(const ControlSpec& spec) {
  const int left = TwipsToPixels(spec.left);
  const int top = TwipsToPixels(spec.top);
  return {left, top, TwipsToPixels(spec.left + spec.width) - left,
          TwipsToPixels(spec.top + spec.height) - top};
}

void SetColour(QWidget& widget, QPalette::ColorRole role, Colour colour) {
  QPalette palette = widget.palette();
  palette.setColor(role, ToQColor(colour));
  widget.setPalette(palette);
}

QWidget* Create(const ControlSpec& spec, QWidget* parent) {
  switch (spec.kind) {
    case ControlKind::kFrame: {
      auto* frame = new QFrame(parent);
      frame->setFrameStyle(spec.bordered ? (QFrame::Box | QFrame::Sunken) : QFrame::NoFrame);
      return frame;
    }
    case ControlKind::kLabel: {
      auto* label = new CaptionLabel(Text(spec.caption), parent);
      const Qt::Alignment horizontal =
          spec.alignment == LabelAlignment::kCentred ? Qt::AlignHCenter : Qt::AlignLeft;
      label->setAlignment(horizontal | Qt::AlignTop);
      return label;
    }
    case ControlKind::kCommandButton: {
      auto* button = new FaceButton(Text(spec.caption), parent);
      button->SetWindowDefault(spec.default_button);
      return button;
    }
    case ControlKind::kOptionButton: {
      auto* option = new QRadioButton(Text(spec.caption), parent);
      // Buttons paint on the Button role; these take the frame's colours.
      option->setBackgroundRole(QPalette::Window);
      option->setForegroundRole(QPalette::WindowText);
      option->setChecked(spec.value != 0);
      return option;
    }
    case ControlKind::kCheckBox: {
      auto* check = new QCheckBox(parent);
      check->setBackgroundRole(QPalette::Window);
      check->setForegroundRole(QPalette::WindowText);
      check->setCheckState(spec.value == 2   ? Qt::PartiallyChecked
                           : spec.value != 0 ? Qt::Checked
                                             : Qt::Unchecked);
      return check;
    }
    case ControlKind::kWindow:
      break;
  }
  return nullptr;
}

void ApplyAccessibleTexts(const ControlSpec& spec, QWidget& widget) {
  if (!spec.accessible_name.empty()) widget.setAccessibleName(Text(spec.accessible_name));
  if (!spec.accessible_description.empty()) {
    widget.setAccessibleDescription(Text(spec.accessible_description));
  }
}

void ApplyProperties(const ControlSpec& spec, QWidget& widget) {
  if (!spec.tool_tip.empty()) widget.setToolTip(Text(spec.tool_tip));
  ApplyAccessibleTexts(spec, widget);
  if (spec.font) widget.setFont(DesignFont(*spec.font, widget.font()));
  if (spec.fore_color) SetColour(widget, QPalette::WindowText, *spec.fore_color);
  if (spec.back_color) {
    if (auto* button = qobject_cast<FaceButton*>(&widget)) {
      button->SetFace(ToQColor(*spec.back_color));
    } else {
      SetColour(widget, QPalette::Window, *spec.back_color);
      widget.setAutoFillBackground(!spec.transparent);
    }
  }
  widget.setObjectName(spec.index == 0
                           ? Text(spec.name)
                           : QStringLiteral("%1(%2)").arg(Text(spec.name)).arg(spec.index));
}

}  // namespace

QFont DesignFont(const FontSpec& spec, const QFont& base) {
  QFont font = base;
  QStringList faces;
  for (std::string_view face : kFontFaces) {
    faces << QString::fromUtf8(face.data(), static_cast<qsizetype>(face.size()));
  }
  font.setFamilies(faces);
  font.setPointSizeF(spec.points);
  font.setBold(spec.bold);
  font.setUnderline(spec.underline);
  return font;
}

ControlSet BuildControls(QWidget& window, std::span<const ControlSpec> table) {
  ControlSet controls;
  std::vector<const ControlSpec*> focus_order;
  for (const ControlSpec& spec : table) {
    if (spec.kind == ControlKind::kWindow) {
      window.setWindowTitle(Text(spec.caption));
      // Controls that name no font take the window's: the design face at 9 pt.
      window.setFont(DesignFont(FontSpec{}, window.font()));
      ApplyAccessibleTexts(spec, window);
      if (spec.back_color) {
        SetColour(window, QPalette::Window, *spec.back_color);
        window.setAutoFillBackground(true);
      }
      controls.Add(spec.Ref(), &window);
      continue;
    }
    QWidget* widget = Create(spec, controls.Get(spec.container));
    ApplyProperties(spec, *widget);
    if (auto* label = qobject_cast<CaptionLabel*>(widget)) {
      label->SetDesignGeometry(PixelRect(spec));
    } else {
      widget->setGeometry(PixelRect(spec));
    }
    if (!spec.visible) widget->hide();
    controls.Add(spec.Ref(), widget);
    if (widget->focusPolicy() != Qt::NoFocus && spec.tab_index) focus_order.push_back(&spec);
  }

  std::stable_sort(
      focus_order.begin(), focus_order.end(),
      [](const ControlSpec* a, const ControlSpec* b) { return *a->tab_index < *b->tab_index; });
  for (std::size_t n = 1; n < focus_order.size(); ++n) {
    QWidget::setTabOrder(controls.Get(focus_order[n - 1]->Ref()),
                         controls.Get(focus_order[n]->Ref()));
  }
  return controls;
}

}  // namespace mirt2
