#pragma once

#include <optional>

#include "colour.h"

class QWidget;

namespace mirt2 {

// The system colour picker: modal, opening on `initial`; a colour, or nullopt
// when the user cancels.
class ColourPicker {
 public:
  virtual ~ColourPicker() = default;
  virtual std::optional<Colour> Pick(Colour initial, QWidget* parent) = 0;
};

class QtColourPicker final : public ColourPicker {
 public:
  std::optional<Colour> Pick(Colour initial, QWidget* parent) override;
};

// The window's one picker, shared by its three colour buttons: it keeps the
// colour confirmed last, through any of them, and opens on it (black at first).
class CommonDialog {
 public:
  explicit CommonDialog(ColourPicker& picker) : picker_(picker) {}

  // A confirmed colour becomes the current one; a cancel changes nothing.
  std::optional<Colour> ShowColor(QWidget* parent);
  [[nodiscard]] Colour Color() const { return color_; }

 private:
  ColourPicker& picker_;
  Colour color_ = 0;
};

}  // namespace mirt2
