#pragma once

#include <QString>
#include <QtGlobal>
#include <string>
#include <vector>

namespace mirt2::testing {

// Collects the messages of one logging category while it lives, instead of
// printing them; other categories go on as before. QTest::ignoreMessage needs
// QTest's own runner, which these GoogleTest programs do not use.
class LoggedMessages {
 public:
  explicit LoggedMessages(const char* category) : category_(category) {
    active_ = this;
    previous_ = qInstallMessageHandler(&Collect);
  }
  ~LoggedMessages() {
    qInstallMessageHandler(previous_);
    active_ = nullptr;
  }
  LoggedMessages(const LoggedMessages&) = delete;
  LoggedMessages& operator=(const LoggedMessages&) = delete;

  // The warnings of the category, in order.
  std::vector<QString> warnings;

 private:
  static void Collect(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (active_->category_ == (context.category != nullptr ? context.category : "")) {
      if (type == QtWarningMsg) active_->warnings.push_back(text);
      return;
    }
    if (active_->previous_ != nullptr) active_->previous_(type, context, text);
  }

  static inline LoggedMessages* active_ = nullptr;
  std::string category_;
  QtMessageHandler previous_ = nullptr;
};

}  // namespace mirt2::testing
