#pragma once

#include <QLoggingCategory>
#include <QMessageBox>
#include <QPointer>
#include <stdexcept>
#include <string>
#include <string_view>

class QWidget;

namespace mirt2 {

// Handler failures: "mirt2.handler: cmdCopy_Click: clipboard busy".
Q_DECLARE_LOGGING_CATEGORY(lcHandler)

// A failure that the user is told in words of its own, where the handler's usual message would
// not say what happened: a desktop that cannot do what was asked, for one.
class ToldFailure : public std::runtime_error {
 public:
  // user_text: a literal, shown to the user; log_text goes to the log.
  ToldFailure(const std::string& log_text, std::string_view user_text)
      : std::runtime_error(log_text), user_text_(user_text) {}
  [[nodiscard]] std::string_view UserText() const { return user_text_; }

 private:
  std::string_view user_text_;
};

// Tells the user that a handler failed, where they look: a message box beside
// the window. A windowed program has no console, so a line on stderr reaches
// nobody, and a user who is not told pastes old text believing the copy
// worked. The box waits for no answer: the event loop, and with it the
// tick, runs on while it is open. The log gets the handler and the
// error.
class FailureNotice {
 public:
  explicit FailureNotice(QWidget& window) : window_(window) {}

  // Logs the failure and shows its message: user_text where given, else the handler's. A box
  // still open from an earlier failure takes the new message, so failures never pile up boxes.
  void Report(std::string_view handler, std::string_view error, std::string_view user_text = {});

 private:
  QWidget& window_;
  QPointer<QMessageBox> box_;
};

}  // namespace mirt2
