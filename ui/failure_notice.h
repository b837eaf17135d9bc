#pragma once

#include <QLoggingCategory>
#include <QMessageBox>
#include <QPointer>
#include <string_view>

class QWidget;

namespace mirt2 {

// Handler failures: "mirt2.handler: cmdCopy_Click: clipboard busy".
Q_DECLARE_LOGGING_CATEGORY(lcHandler)

// Tells the user that a handler failed, where they look: a message box beside
// the window. A windowed program has no console, so a line on stderr reaches
// nobody, and a user who is not told pastes old text believing the copy
// worked. The box waits for no answer: the event loop, and with it the
// tick, runs on while it is open. The log gets the handler and the
// error.
class FailureNotice {
 public:
  explicit FailureNotice(QWidget& window) : window_(window) {}

  // Logs the failure and shows its message. A box still open from an earlier
  // failure takes the new message, so failures never pile up boxes.
  void Report(std::string_view handler, std::string_view error);

 private:
  QWidget& window_;
  QPointer<QMessageBox> box_;
};

}  // namespace mirt2
