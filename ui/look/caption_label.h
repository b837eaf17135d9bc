#pragma once

#include <QLabel>

namespace mirt2 {

// A transparent label that keeps its design rectangle and draws its caption whole inside it:
// where the face on this system, or a longer regional format, makes the caption wider than the
// design allowed for, it is drawn smaller, down to 7.5 pt and then narrower, on the design
// font's baseline. Its neighbours keep their space and their clicks. Screen readers read its
// caption as its text (accessibility.h).
//
// The size is worked out when the label is painted, and again only when the caption's width
// class, the font or the width changes: measuring loads the caption's font, and the first
// measurement the whole font database, which need not hold up the window's mapping.
class CaptionLabel final : public QLabel {
  Q_OBJECT

 public:
  CaptionLabel(const QString& caption, QWidget* parent);

  void SetCaption(const QString& caption);
  // The font the caption is drawn in: font() itself, or that font made small enough.
  [[nodiscard]] const QFont& DrawnFont() const;
  // Where the caption is drawn in DrawnFont(), aligned as the label is: on the design font's
  // baseline.
  [[nodiscard]] QRect CaptionRect() const;

 protected:
  void changeEvent(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  // Works out the drawn font and its baseline on first use after a change to the caption's
  // width class, the font or the width.
  void Fit() const;

  mutable QString fitted_class_;
  mutable bool fitted_ = false;
  mutable QFont drawn_font_;
  mutable int baseline_shift_ = 0;
};

}  // namespace mirt2
