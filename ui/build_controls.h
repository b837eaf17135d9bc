#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "colour.h"
#include "font_style.h"

class QAbstractButton;
class QCheckBox;
class QFont;
class QFrame;
class QRadioButton;
class QWidget;

namespace mirt2 {

class CaptionLabel;
class FaceButton;

// Design-time properties of one control. Lengths are twips, relative to the container.
struct ControlRow {
  std::string name;  // "cmdStr(3)": the object name, for the developer's tools and UI Automation
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  std::string caption;
  std::string tool_tip;
  std::optional<FontStyle> font;  // none: the window's default font
  std::optional<Colour> fore_color;
  std::optional<Colour> back_color;  // none on labels: the frame's colour shows through
  bool centred = false;              // labels; the others are left-aligned
  bool visible = true;
  bool value = false;            // option button selected, check box checked
  std::optional<int> tab_index;  // the controls that take the focus
  bool default_button = false;   // Enter presses it from anywhere in the window
  // What a screen reader says for the control. A button's name says what it does, since its
  // caption is often a single character; a label's name says what its caption shows.
  std::string accessible_name;
  // Said after the name. Empty where the tool tip serves, or where the name says it all.
  std::string accessible_description;
};

// Makes the controls of a window from their rows, each as the kind of its member, so that no
// row can be made into the wrong kind of control. A container is made before what it holds.
class ControlMaker {
 public:
  // Gives the window its own properties from its row. Screen readers read the window and its
  // controls through the interfaces of control_accessibles.h.
  ControlMaker(QWidget& window, const ControlRow& row, std::vector<QWidget*>& all);

  void Make(QFrame*& frame, QWidget* container, const ControlRow& row);
  void Make(CaptionLabel*& label, QWidget* container, const ControlRow& row);
  void Make(FaceButton*& button, QWidget* container, const ControlRow& row);
  void Make(QRadioButton*& option, QWidget* container, const ControlRow& row);
  void Make(QCheckBox*& check, QWidget* container, const ControlRow& row);

  // After the last control: the tab order of the rows' tab indexes, and the focus marks.
  void Finish();

 private:
  void Place(QWidget& control, const ControlRow& row);
  // An option button or the check box: it draws on its frame's colours, with a focus mark.
  void PlaceOnFrame(QAbstractButton& button, const ControlRow& row);

  QWidget& window_;
  std::vector<QWidget*>& all_;
  std::vector<std::pair<int, QWidget*>> tab_stops_;
  std::vector<QWidget*> marked_;
};

// The design font: the face list with its fallbacks, at the given size and style.
QFont DesignFont(const FontStyle& style, const QFont& base);

}  // namespace mirt2
