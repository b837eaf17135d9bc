#pragma once

#include <vector>

class QLabel;
class QMetaObject;
class QString;
class QWidget;

namespace mirt2 {

// How screen readers meet the window, and what counts as seen.

// Makes screen readers read windows of `window_class` and their controls through this
// program's interfaces: the window as a window (AT-SPI "frame"), each panel as a named panel,
// the buttons as Qt would but acting by a click, the labels with their caption as their text,
// and every control off screen wherever nobody sees it. Called once, before any control exists:
// Qt keeps the first interface it makes for a control.
void InstallAccessibles(const QMetaObject& window_class);

// Whether a person can see some of `control`: it and its containers are shown, and part of it
// lies inside each container up to the window's client area. The panels that wait beside or
// below the client area at start are not hidden, yet nobody sees them.
bool OnScreen(const QWidget& control);

// Tells a listening screen reader that the caption of `label` changed from `previous`: only
// where someone sees the label, at most once for each new caption.
void AnnounceCaption(QLabel& label, const QString& previous);

// Tells listening screen readers which controls came into the client area or left it. Qt
// announces a control that is shown or hidden, but not one that moves into view, as the
// panels waiting beside the client area do when a display mode first places them.
class ShowingAnnouncer {
 public:
  // Compares what shows now with what showed at the last call and announces each change;
  // the first call only takes note. Called before and after a layout, and on a resize.
  void Update(const std::vector<QWidget*>& controls);

 private:
  std::vector<bool> showing_;
};

}  // namespace mirt2
