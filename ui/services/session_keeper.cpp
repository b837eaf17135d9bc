#include <QApplication>
#include <QEvent>
#include <QSessionManager>

#include "window_services.h"

#ifdef Q_OS_WIN
#include "restart_registration.h"
#endif

namespace mirt2 {

// A session's end reaches the program as a request to quit, which closes the window; the
// person's close comes to the window first. On Windows the session's end also begins with a
// question (WM_QUERYENDSESSION, Qt's commit-data request): from then on, closing is not the
// person's end.
//
// Windows restarts a registered program with the command line registered last, whenever the
// program ended without withdrawing it: the registration follows every change at once, so a
// crash or a restart without warning finds it current. The X session manager asks for the
// restart command when it saves the session, at a logout or a checkpoint; with Qt's restart
// hint, restart if running, a client that left the session before is not started again.
struct SystemSessionKeeper::Watch final : QObject {
  Watch() {
    qApp->installEventFilter(this);
#ifdef Q_OS_WIN
    connect(qApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager& /*manager*/) {
      session_ending = true;
      Register();
    });
#else
    connect(qApp, &QGuiApplication::saveStateRequest, this, &Watch::Save);
#endif
  }

#ifdef Q_OS_WIN
  void Register() {
    if (text && !ended) RegisterRestart("--restore " + text());
  }
#else
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
#endif

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

void SystemSessionKeeper::Changed() {
#ifdef Q_OS_WIN
  watch_->Register();
#endif
}

void SystemSessionKeeper::Closing() {
  if (watch_->session_ending) return;
  watch_->ended = true;
#ifdef Q_OS_WIN
  WithdrawRestart();
#endif
}

}  // namespace mirt2
