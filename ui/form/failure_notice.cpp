#include "failure_notice.h"

#include <QMessageBox>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace mirt2 {

Q_LOGGING_CATEGORY(lcHandler, "mirt2.handler")

namespace {

struct HandlerMessage {
  std::string_view handler;
  std::string_view message;
};

// What the user is told: what did not happen, and what to do where there is
// something to do. The log says why.
constexpr HandlerMessage kMessages[] = {
    {"cmdCopy_Click", "クリップボードに送れませんでした。もう一度お試しください。"},
    {"Timer1_Timer", "時間を更新できませんでした。"},
    {"cmdMae_Click", "常に前面の設定を変えられませんでした。"},
};
constexpr std::string_view kAnyHandler = "操作を完了できませんでした。";

std::string_view MessageFor(std::string_view handler) {
  for (const HandlerMessage& entry : kMessages) {
    if (entry.handler == handler) return entry.message;
  }
  return kAnyHandler;
}

// Beside the window rather than over it, as a message box would go: the
// window is small, and its times stay in sight. Below it, or above where the
// screen ends.
void PlaceBeside(QWidget& box, const QWidget& window) {
  box.adjustSize();
  const QRect beside = window.frameGeometry();
  // The title bar the window manager adds is not known before the box shows.
  const int height = box.height() + (window.frameGeometry().height() - window.height());
  QPoint at(beside.center().x() - box.width() / 2, beside.bottom() + 1);
  if (const QScreen* screen = window.screen()) {
    const QRect area = screen->availableGeometry();
    if (at.y() + height > area.bottom()) at.setY(beside.top() - height);
    at.setX(std::clamp(at.x(), area.left(), std::max(area.left(), area.right() - box.width())));
  }
  box.move(at);
}

}  // namespace

void FailureNotice::Report(std::string_view handler, std::string_view error,
                           std::string_view user_text) {
  qCWarning(lcHandler, "%.*s: %.*s", static_cast<int>(handler.size()), handler.data(),
            static_cast<int>(error.size()), error.data());
  if (box_ == nullptr) {
    box_ = new QMessageBox(QMessageBox::Warning, window_.windowTitle(), QString(), QMessageBox::Ok,
                           &window_);
    box_->setWindowModality(Qt::NonModal);
    box_->setAttribute(Qt::WA_DeleteOnClose);
  }
  box_->setText(QString::fromUtf8(user_text.empty() ? MessageFor(handler) : user_text));
  PlaceBeside(*box_, window_);
  box_->show();
  box_->raise();
}

}  // namespace mirt2
