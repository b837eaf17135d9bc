#include <QApplication>
#include <QEvent>
#include <QSessionManager>

#include "window_services.h"

namespace mirt2 {

// The X session manager asks for the restart command when it saves the session, at a logout and
// at a checkpoint. The person's end is the client's end: with Qt's restart hint, restart if
// running, a client that leaves the session is not started again.
struct SystemSessionKeeper::Watch final : QObject {
  Watch() {
    qApp->installEventFilter(this);
    connect(qApp, &QGuiApplication::saveStateRequest, this, &Watch::Save);
  }

  void Save(QSessionManager& manager) {
    if (ended || !text) {
      manager.setRestartHint(QSessionManager::RestartNever);
      return;
    }
    QStringList command = manager.restartCommand();
    command.insert(1, QStringLiteral("--restore"));
    command.insert(2, QString::fromStdString(text()));
    manager.setRestartCommand(command);
  }

  // The session manager's end of the session reaches the program as a request to quit, which
  // closes the window; the person's close comes to the window first.
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == qApp && event->type() == QEvent::Quit) session_ending = true;
    return false;
  }

  StateText text;
  bool session_ending = false;
  bool ended = false;
};

SystemSessionKeeper::SystemSessionKeeper() : watch_(std::make_unique<Watch>()) {}
SystemSessionKeeper::~SystemSessionKeeper() = default;

void SystemSessionKeeper::Follow(StateText text) {
  watch_->text = std::move(text);
}

void SystemSessionKeeper::Changed() {}

void SystemSessionKeeper::Closing() {
  if (!watch_->session_ending) watch_->ended = true;
}

}  // namespace mirt2
