// Writes where each control of the real window is in every layout a person can reach, so that
// the end-to-end scripts and the desktop benchmark press controls by name where no screen
// reader's view of the window is at hand (Wine; the benchmark, which must not pay for one).
// The layouts come from the window itself, driven by clicks on its own controls, so the scripts
// hold no copy of its layout rules.
//
//   control_places OUTPUT
//
// A layout is known by what a script can see of it, the client area's size in pixels. A line a
// control in view, tab-separated, its rectangle in twips of the client area:
//
//   CLIENT_WIDTH CLIENT_HEIGHT OBJECT_NAME LEFT TOP WIDTH HEIGHT ACCESSIBLE_NAME
//
// A control whose accessible name changes with its state has a line for each.
#include <QAbstractButton>
#include <QApplication>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <utility>

#include "display_modes.h"
#include "frm_mirt2.h"
#include "scripted_clock.h"
#include "scripted_services.h"
#include "twips.h"

namespace {

using mirt2::frmMirt2;

class Places {
 public:
  explicit Places(frmMirt2& window) : window_(window) {}

  void Press(std::string_view name) {
    auto* button = window_.findChild<QAbstractButton*>(QString::fromStdString(std::string(name)));
    if (button == nullptr) throw std::runtime_error("no button named " + std::string(name));
    button->click();
    QApplication::processEvents();
    Note();
  }

  // What the window shows now, under the size it shows it at. Two ways to one size must come
  // to one layout, or a script could not tell them apart.
  void Note() {
    const QRect client = window_.rect();
    std::set<std::string> layout;
    std::set<std::string> named;
    for (QWidget* control : window_.Controls().all) {
      const QRect rect(control->mapTo(&window_, QPoint(0, 0)), control->size());
      if (!control->isVisibleTo(&window_) || !client.intersects(rect)) continue;
      std::string line = control->objectName().toStdString();
      for (int pixels : {rect.x(), rect.y(), rect.width(), rect.height()})
        line += '\t' + std::to_string(mirt2::PixelsToTwips(pixels));
      layout.insert(line);
      named.insert(line + '\t' + control->accessibleName().toStdString());
    }
    const std::pair size{client.width(), client.height()};
    if (const auto [seen, added] = layouts_.emplace(size, layout); !added && seen->second != layout)
      throw std::runtime_error("two layouts share the client size " + std::to_string(size.first) +
                               " x " + std::to_string(size.second));
    lines_[size].merge(named);
  }

  void Write(std::ostream& out) const {
    for (const auto& [size, lines] : lines_) {
      for (const std::string& line : lines)
        out << size.first << '\t' << size.second << '\t' << line << '\n';
    }
  }

 private:
  frmMirt2& window_;
  std::map<std::pair<int, int>, std::set<std::string>> layouts_;
  std::map<std::pair<int, int>, std::set<std::string>> lines_;
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
    // between the two ways to the same layout. 前へ is pressed twice, for both its names.
    for (const mirt2::DisplayModeRow& mode : mirt2::kDisplayModes) {
      using std::string_view_literals::operator""sv;
      for (std::string_view name : {mode.option, "chk1"sv, mode.option, "chk1"sv, "chk1"sv,
                                    "cmdMae"sv, "cmdMae"sv, "chk1"sv}) {
        places.Press(name);
      }
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
