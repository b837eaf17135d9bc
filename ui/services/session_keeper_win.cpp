#include <QApplication>
#include <QEvent>
#include <QSessionManager>

#include "restart_registration.h"
#include "window_services.h"

namespace mirt2 {

// Windows restarts a registered program with the command line registered last, whenever the
// program ended without withdrawing it: so the registration follows every change at once, and a
// crash or a restart without warning finds it current. Windows ends a session by asking the
// program (WM_QUERYENDSESSION, Qt's commit-data request) and then telling it
// (WM_ENDSESSION, a request to quit): from the question on, closing is not the person's end.
struct SystemSessionKeeper::Watch final : QObject {
  Watch() {
    qApp->installEventFilter(this);
    connect(qApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager& /*manager*/) {
      session_ending = true;
      Register();
    });
  }

  void Register() {
    if (text && !ended) RegisterRestart("--restore " + text());
  }

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
  watch_->Register();
}

void SystemSessionKeeper::Closing() {
  if (watch_->session_ending) return;
  watch_->ended = true;
  WithdrawRestart();
}

}  // namespace mirt2
