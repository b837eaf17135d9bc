#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QScreen>
#include <QTimer>
#include <QTranslator>

#include <cstdio>
#include <string>

#include "command_line.h"
#include "frm_mirt2.h"
#include "mirt2_version.h"
#include "platform_failure.h"
#include "regional_time_format.h"
#include "session_state.h"
#include "terminal.h"
#include "terminal_texts.h"

namespace {

// A state that does not fit, whoever wrote it, gets the normal start and one line on stderr; so
// does 前へ on a desktop that keeps no window above the others, where no box greets the person
// at login.
bool Restore(mirt2::frmMirt2& window, std::string_view text) {
  const mirt2::DecodedState decoded = mirt2::DecodeSessionState(text);
  mirt2::RestoreOutcome outcome{false, decoded.problem, false};
  if (decoded.state) outcome = window.Restore(*decoded.state);
  if (outcome.front_refused) mirt2::WriteError(mirt2::TextsForUser().restore_not_in_front);
  if (outcome.restored) return true;
  std::string line(mirt2::TextsForUser().restore_refused);
  line.replace(line.find("%s"), 2, outcome.problem);
  mirt2::WriteError(line);
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (const std::optional<int> status = mirt2::SettleCommandLine(argc, argv)) return *status;
  const std::optional<std::string_view> restore = mirt2::RestoreArgument(argc, argv);
  // The application name becomes the class of the window's WM_CLASS on X11, which docks match
  // against the desktop entry's StartupWMClass (app/mirt2.desktop); the desktop file name is
  // the entry itself, installed as the program's id and .desktop, and Wayland's app id.
  QApplication::setApplicationName(QStringLiteral("mirt2"));
  QApplication::setOrganizationName(QStringLiteral("mirt2"));
  QApplication::setDesktopFileName(QStringLiteral(MIRT2_APP_ID));
  // Before it repaints an area it last sent through shared memory, Qt's X11 backing store asks
  // the X server whether the server is done with it: a round trip that wakes the program twice
  // more each second it shows a new time. The window is small enough to send over the socket,
  // as every remote X display does. Not under XWayland: there mutter then at times never shows
  // the window.
  const bool under_wayland =
      qEnvironmentVariableIsSet("WAYLAND_DISPLAY") || qgetenv("XDG_SESSION_TYPE") == "wayland";
  if (!under_wayland && !qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM")) {
    qputenv("QT_XCB_NO_MITSHM", "1");
  }
  mirt2::ExplainPlatformFailure();
  QApplication app(argc, argv);
  mirt2::PlatformStarted();
#ifndef Q_OS_WIN
  // Qt's colour dialog in the user's language, from Qt's translations. On Windows the colour
  // dialog is Windows' own, in Windows' language, and nothing else of Qt's shows words.
  QTranslator qt_translation;
  if (qt_translation.load(QLocale::system(), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QApplication::installTranslator(&qt_translation);
  }
#endif

  mirt2::SystemClock clock;
  mirt2::SystemColourPicker picker;
  mirt2::SystemClipboard clipboard;
  mirt2::NativeWindowStacking stacking;
  mirt2::SystemSessionKeeper session;
  mirt2::frmMirt2 window({clock, picker, clipboard, stacking, session},
                         mirt2::RegionalTimePattern());
  window.Form_Load();
  // The load handler sets only Top, Width and Height; the window starts centred
  // across the screen, unless it comes back where it was.
  const QScreen* screen = QApplication::primaryScreen();
  if (restore && Restore(window, *restore)) screen = nullptr;
  if (screen != nullptr) {
    window.move(screen->availableGeometry().center().x() - window.frameGeometry().width() / 2,
                window.y());
  }
  window.show();
#ifndef Q_OS_WIN
  // Every size, so that task switchers and docks that draw the window's own icon large
  // need not blow up the title bar's. Decoding them costs more than building the whole
  // window, so it waits until the window is on its way to the screen. On Windows the
  // program's own icon (IDI_ICON1 in app/mirt2.rc), which Qt gives the window class,
  // serves in every size from the first frame.
  QTimer::singleShot(0, [] {
    QIcon icon;
    for (int size : {32, 64, 128}) {
      icon.addFile(QStringLiteral(":/mirt2/mirt2-%1.png").arg(size), QSize(size, size));
    }
    QApplication::setWindowIcon(icon);
  });
#endif
  return QApplication::exec();
}
