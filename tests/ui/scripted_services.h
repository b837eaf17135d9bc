#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "failure_notice.h"
#include "window_services.h"

namespace mirt2::testing {

// A colour picker whose answers the test queues: a colour confirms, nullopt
// cancels. It records the colour each opening started on, and puts the colour
// it is given to keep in the first custom slot, as a person adds one.
class ScriptedPicker final : public ColourPicker {
 public:
  void Answer(std::optional<Colour> answer) { answers_.push_back(answer); }
  std::optional<Colour> Pick(Colour initial, CustomColours& custom, QWidget* /*parent*/) override {
    opened_on_.push_back(initial);
    if (keep_) custom[0] = *keep_;
    if (answers_.empty()) return std::nullopt;
    const std::optional<Colour> answer = answers_.front();
    answers_.pop_front();
    return answer;
  }
  std::vector<Colour> opened_on_;
  std::optional<Colour> keep_;

 private:
  std::deque<std::optional<Colour>> answers_;
};

// Records what reached the clipboard; can be told to fail like a clipboard
// that another program holds open.
class RecordingClipboard final : public Clipboard {
 public:
  void Clear() override {
    if (fail_) throw std::runtime_error("clipboard busy");
    text_.reset();
    ++clears_;
  }
  void SetText(const std::string& text) override { text_ = text; }
  std::optional<std::string> text_;
  int clears_ = 0;
  bool fail_ = false;
};

// Records each request; can be told to refuse like a desktop that gives a program no say in
// stacking.
class RecordingStacking final : public WindowStacking {
 public:
  void SetTopmost(QWidget& /*window*/, bool topmost) override {
    if (refuse_) throw ToldFailure("no stacking here", "このデスクトップでは無理です。");
    calls_.push_back(topmost);
  }
  std::vector<bool> calls_;
  bool refuse_ = false;
};

// Takes the window's state at every change, as Windows' registration does, and records the
// closing.
class RecordingSessionKeeper final : public SessionKeeper {
 public:
  void Follow(StateText text) override { text_ = std::move(text); }
  void Changed() override { kept_.push_back(text_()); }
  void Closing() override { ++closings_; }
  StateText text_;
  std::vector<std::string> kept_;
  int closings_ = 0;
};

}  // namespace mirt2::testing
