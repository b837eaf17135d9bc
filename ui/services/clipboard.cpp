#include <QClipboard>
#include <QGuiApplication>
#include <stdexcept>

#include "window_services.h"

namespace mirt2 {

namespace {
QClipboard& TheClipboard() {
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (clipboard == nullptr) throw std::runtime_error("no clipboard");
  return *clipboard;
}
}  // namespace

void SystemClipboard::Clear() {
  TheClipboard().clear(QClipboard::Clipboard);
}

void SystemClipboard::SetText(const std::string& text) {
  QClipboard& clipboard = TheClipboard();
  const QString wanted = QString::fromStdString(text);
  clipboard.setText(wanted, QClipboard::Clipboard);
  // Qt returns no error: on Windows a clipboard that another program holds
  // open keeps its old text. Reading back tells, line ends aside, which a
  // platform may convert.
  if (clipboard.text(QClipboard::Clipboard).remove(u'\r') != QString(wanted).remove(u'\r')) {
    throw std::runtime_error("the clipboard did not take the text");
  }
}

}  // namespace mirt2
