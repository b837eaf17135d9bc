#include "caption_label.h"

#include <QEvent>
#include <QFontMetrics>

#include "caption_label_accessible.h"

namespace mirt2 {

CaptionLabel::CaptionLabel(const QString& caption, QWidget* parent) : QLabel(caption, parent) {
  setTextFormat(Qt::PlainText);
}

void CaptionLabel::SetDesignGeometry(const QRect& design) {
  design_ = design;
  setGeometry(design_);
  Fit();
}

void CaptionLabel::SetCaption(const QString& caption) {
  const QString previous = text();
  setText(caption);
  Fit();
  AnnounceCaption(*this, previous);
}

void CaptionLabel::changeEvent(QEvent* event) {
  QLabel::changeEvent(event);
  if (event->type() == QEvent::FontChange) Fit();
}

void CaptionLabel::Fit() {
  if (design_.isNull()) return;
  if (window()->isVisible()) {
    FitNow();
  } else if (!fit_pending_) {
    fit_pending_ = true;
    QMetaObject::invokeMethod(this, &CaptionLabel::FitNow, Qt::QueuedConnection);
  }
}

void CaptionLabel::FitNow() {
  fit_pending_ = false;
  const int needed = fontMetrics().horizontalAdvance(text()) + 2;
  QRect rect = design_;
  if (needed > rect.width()) {
    const int extra = needed - rect.width();
    if (alignment() & Qt::AlignHCenter) {
      rect.adjust(-(extra / 2), 0, extra - extra / 2, 0);
    } else {
      rect.setWidth(needed);
    }
  }
  if (rect != geometry()) setGeometry(rect);
}

}  // namespace mirt2
