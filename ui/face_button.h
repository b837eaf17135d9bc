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
  // Drawn with the dark outline that marks the button Enter presses.
  void SetWindowDefault(bool is_default);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor face_;
  bool window_default_ = false;
};

}  // namespace mirt2
