#pragma once

#include <QColor>
#include <QPushButton>

namespace mirt2 {

// A command button in the graphical style: a flat face of exactly its back
// colour inside a thin raised edge, drawn by itself so that no Qt style tints
// or shades it. The caption keeps the palette's button text colour.
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

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor face_;
  bool window_default_ = false;
};

}  // namespace mirt2
