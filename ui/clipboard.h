#pragma once

#include <string>

namespace mirt2 {

// The system clipboard, as the copy button uses it.
class Clipboard {
 public:
  virtual ~Clipboard() = default;
  // Empties the clipboard of every format.
  virtual void Clear() = 0;
  // Puts UTF-8 text on it as plain text; throws when the clipboard did not
  // take it.
  virtual void SetText(const std::string& text) = 0;
};

class SystemClipboard final : public Clipboard {
 public:
  void Clear() override;
  void SetText(const std::string& text) override;
};

}  // namespace mirt2
