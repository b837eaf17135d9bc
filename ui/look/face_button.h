#pragma once

#include <QColor>
#include <QPushButton>

namespace mirt2 {

// A command button in the graphical style: a flat face of exactly its back
// colour inside a thin raised edge, drawn by itself so that no Qt style tints
// or shades it. The caption keeps the palette's button text colour, and shows
// whole in the part of the face that shows: the design lets a button lie over
// the edge of the one made before it (背色 over ボタン, ボタン over 字色).
class FaceButton final : public QPushButton {
  Q_OBJECT

 public:
  explicit FaceButton(const QString& caption, QWidget* parent = nullptr);

  void SetFace(const QColor& face);
  [[nodiscard]] QColor Face() const { return face_; }
  // Whether Enter presses it from anywhere in the window: drawn with a dark outline, and so
  // told to screen readers.
  void SetWindowDefault(bool is_default);
  [[nodiscard]] bool IsWindowDefault() const { return window_default_; }
  // Where the caption is centred: inside the edge, in the part no sibling above covers.
  [[nodiscard]] QRect CaptionArea() const;
  // The font the caption is drawn in: font() itself, or that font made small enough.
  [[nodiscard]] QFont DrawnFont() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  [[nodiscard]] QRect ShownPart() const;
  [[nodiscard]] QFont FontFitting(const QRect& caption_area) const;

  QColor face_;
  bool window_default_ = false;
};

}  // namespace mirt2
