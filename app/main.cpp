#include <QApplication>
#include <QIcon>
#include <QScreen>

#include "frm_mirt2.h"
#include "regional_time_format.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/mirt2/mirt2-32.png")));

  mirt2::SystemClock clock;
  mirt2::frmMirt2 window(clock, mirt2::RegionalTimePattern());
  window.Form_Load();
  // The load handler sets only Top, Width and Height; the window starts centred
  // across the screen.
  if (const QScreen* screen = QApplication::primaryScreen()) {
    window.move(screen->availableGeometry().center().x() - window.frameGeometry().width() / 2,
                window.y());
  }
  window.show();
  return QApplication::exec();
}
