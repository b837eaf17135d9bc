// Writes where each control of the real window is in every layout a person can reach, so that
// the end-to-end scripts and the desktop benchmark press controls by name where no screen
// reader's view of the window is at hand (Wine; the benchmark, which must not pay for one).
// The layouts come from the window itself, driven by clicks on its own controls, so the scripts
// hold no copy of its layout rules.
//
//   control_places OUTPUT
//
// A layout is known by what a script can see of it, the client area's size in pixels; a line a
// control in view:
//
//   CLIENT_WIDTH CLIENT_HEIGHT OBJECT_NAME LEFT TOP WIDTH HEIGHT ACCESSIBLE_NAME...
//
// tab-separated, the rectangle in twips of the client area, then every name a screen reader is
// told for the control.
#include <QAbstractButton>
#include <QApplication>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <utility>

#include "frm_mirt2.h"
#include "scripted_clock.h"
#include "scripted_services.h"
#include "twips.h"

namespace {

using mirt2::frmMirt2;

QAbstractButton& Named(const frmMirt2& window, const char* name) {
  for (QWidget* control : window.Controls().all) {
    if (control->objectName() == QLatin1String(name)) {
      if (auto* button = qobject_cast<QAbstractButton*>(control)) return *button;
    }
  }
  throw std::runtime_error(std::string("no button named ") + name);
}

class Places {
 public:
  explicit Places(frmMirt2& window) : window_(window) {}

  void Press(const char* name) {
    Named(window_, name).click();
    QApplication::processEvents();
    Note();
  }

  // What the window shows now, under the size it shows it at.
  void Note() {
    std::ostringstream lines;
    const QRect client = window_.rect();
    for (QWidget* control : window_.Controls().all) {
      const QRect rect(control->mapTo(&window_, QPoint(0, 0)), control->size());
      if (!control->isVisibleTo(&window_) || !client.intersects(rect)) continue;
      lines << control->objectName().toStdString() << '\t' << mirt2::PixelsToTwips(rect.x()) << '\t'
            << mirt2::PixelsToTwips(rect.y()) << '\t' << mirt2::PixelsToTwips(rect.width()) << '\t'
            << mirt2::PixelsToTwips(rect.height());
      spoken_[control->objectName().toStdString()].insert(control->accessibleName().toStdString());
      lines << '\n';
    }
    const std::pair size{client.width(), client.height()};
    const auto [seen, added] = layouts_.emplace(size, lines.str());
    if (!added && seen->second != lines.str()) {
      throw std::runtime_error("two layouts share the client size " + std::to_string(size.first) +
                               " x " + std::to_string(size.second));
    }
  }

  void Write(std::ostream& out) const {
    out << "# Written by control_places: the controls in view in each layout of mirt2's window.\n"
           "# CLIENT_WIDTH CLIENT_HEIGHT (pixels) NAME LEFT TOP WIDTH HEIGHT (twips) "
           "ACCESSIBLE_NAME...\n";
    for (const auto& [size, lines] : layouts_) {
      std::istringstream in(lines);
      for (std::string line; std::getline(in, line);) {
        out << size.first << '\t' << size.second << '\t' << line;
        for (const std::string& name : spoken_.at(line.substr(0, line.find('\t'))))
          out << '\t' << name;
        out << '\n';
      }
    }
  }

 private:
  frmMirt2& window_;
  std::map<std::pair<int, int>, std::string> layouts_;
  std::map<std::string, std::set<std::string>> spoken_;
};

}  // namespace

int main(int argc, char* argv[]) {
  if (argc != 2) {
    std::cerr << "usage: control_places OUTPUT\n";
    return 2;
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  try {
    mirt2::testing::ScriptedClock clock;
    mirt2::testing::ScriptedPicker picker;
    mirt2::testing::RecordingClipboard clipboard;
    mirt2::testing::RecordingStacking stacking;
    mirt2::testing::RecordingSessionKeeper session;
    frmMirt2 window({clock, picker, clipboard, stacking, session}, mirt2::TimePattern::Default());
    window.Timer1().stop();
    window.Form_Load();
    window.show();
    QApplication::processEvents();
    Places places(window);
    places.Note();
    // Each layout chosen with the options box cleared and with it ticked, and the box toggled
    // after each: the options panel's Top follows the window's Height, which differs by 10 twips
    // between the two ways to the same layout.
    for (const char* mode : {"opt1", "opt5", "opt10"}) {
      places.Press(mode);
      places.Press("chk1");
      places.Press(mode);
      places.Press("chk1");
      // 前へ's name changes with its state; both are noted.
      places.Press("chk1");
      places.Press("cmdMae");
      places.Press("cmdMae");
      places.Press("chk1");
    }
    // Binary: the same lines on Windows, where the scripts read them on Linux.
    std::ofstream out(argv[1], std::ios::binary);
    places.Write(out);
    out.close();
    if (!out) throw std::runtime_error(std::string("could not write ") + argv[1]);
  } catch (const std::exception& failure) {
    std::cerr << "control_places: " << failure.what() << '\n';
    std::remove(argv[1]);
    return 1;
  }
  return 0;
}
