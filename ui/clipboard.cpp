#include "clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <stdexcept>

#include "qt_text.h"

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
  TheClipboard().setText(ToQString(text), QClipboard::Clipboard);
}

}  // namespace mirt2
