#pragma once

#include <QLabel>

namespace mirt2 {

// A transparent label at its design rectangle that does not cut its caption:
// where the face on this system draws the caption wider than the design
// allowed for ("00:00:00" in a fallback font), the label widens about its
// alignment point instead, which a transparent label shows as the same text,
// only whole. Screen readers read it through caption_label_accessible.h.
//
// A label whose window is not shown yet measures its caption once the event
// loop runs, before the first paint: measuring loads the caption's font, and
// the first measurement the whole font database, which need not hold up the
// window's mapping.
class CaptionLabel final : public QLabel {
  Q_OBJECT

 public:
  CaptionLabel(const QString& caption, QWidget* parent);

  void SetDesignGeometry(const QRect& design);
  void SetCaption(const QString& caption);

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void Fit();
  void FitNow();

  QRect design_;
  bool fit_pending_ = false;
};

}  // namespace mirt2
