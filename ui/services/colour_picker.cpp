#include <QColorDialog>
#include <QCoreApplication>
#include <QSettings>
#include <QWidget>

#include "window_services.h"

#ifdef Q_OS_WIN
#include "colour_dialog.h"
#endif

namespace mirt2 {

#ifdef Q_OS_WIN

// Qt's own dialog is never opened here: merely opening it makes Qt create its key in the
// registry (HKEY_CURRENT_USER\Software\QtProject), and its custom colours would stay there.
SystemColourPicker::SystemColourPicker() = default;

std::optional<Colour> SystemColourPicker::Pick(Colour initial, CustomColours& custom,
                                               QWidget* parent) {
  void* owner = parent != nullptr ? reinterpret_cast<void*>(parent->window()->winId()) : nullptr;
  return ChooseColourNative(owner, initial, custom);
}

#else

// Qt's dialog keeps its custom colours among Qt's user settings, in QtProject.conf under the
// user's configuration folder, and reads them back at the next run: Qt's user settings are sent
// where no file can be made, a folder inside /dev/null, and read from there, so that nothing is
// written for this program. A platform theme's own chooser is not even made: GTK's stores the
// colour it shows in the desktop's settings store as it is made, before Qt's dialog is told not
// to use it.
SystemColourPicker::SystemColourPicker() {
  for (QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat}) {
    QSettings::setPath(format, QSettings::UserScope, QStringLiteral("/dev/null"));
  }
  QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
}

std::optional<Colour> SystemColourPicker::Pick(Colour initial, CustomColours& custom,
                                               QWidget* parent) {
  for (std::size_t n = 0; n < custom.size(); ++n) {
    QColorDialog::setCustomColor(static_cast<int>(n), ToQColor(custom[n]));
  }
  const QColor chosen = QColorDialog::getColor(ToQColor(initial), parent, QString(),
                                               QColorDialog::DontUseNativeDialog);
  for (std::size_t n = 0; n < custom.size(); ++n) {
    custom[n] = FromQColor(QColorDialog::customColor(static_cast<int>(n)));
  }
  if (!chosen.isValid()) return std::nullopt;
  return FromQColor(chosen);
}

#endif

}  // namespace mirt2
