#include "platform_failure.h"

#include <QCoreApplication>
#include <QDir>
#include <QString>
#include <QStringList>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "terminal.h"
#include "terminal_texts.h"

namespace mirt2 {

namespace {

struct HeldMessage {
  QtMsgType type;
  QString category;
  QString text;
};

QtMessageHandler qt_handler = nullptr;
bool holding = false;
std::vector<HeldMessage> held;

std::string Value(const char* name) {
  const QByteArray value = qgetenv(name);
  return value.isEmpty() ? std::string(TextsForUser().unset) : value.toStdString();
}

// Where Qt itself looks for platform plugins, its library paths, once the application object
// exists.
bool WaylandPluginInstalled() {
  for (const QString& dir : QCoreApplication::libraryPaths()) {
    const QDir platforms(dir + QStringLiteral("/platforms"));
    if (!platforms.entryList({QStringLiteral("*qwayland*")}, QDir::Files).isEmpty()) return true;
  }
  return false;
}

[[noreturn]] void FailToStart() {
  const bool wayland_only = qEnvironmentVariableIsSet("WAYLAND_DISPLAY") &&
                            !qEnvironmentVariableIsSet("DISPLAY") &&
                            !qEnvironmentVariableIsSet("QT_QPA_PLATFORM");
  const TerminalTexts& texts = TextsForUser();
  std::string line;
  if (wayland_only && !WaylandPluginInstalled()) {
    line = texts.needs_wayland_plugin;
  } else {
    const std::string separator(texts.separator);
    line = texts.no_display_answered;
    line.replace(line.find("%s"), 2,
                 "DISPLAY=" + Value("DISPLAY") + separator +
                     "WAYLAND_DISPLAY=" + Value("WAYLAND_DISPLAY") + separator +
                     "QT_QPA_PLATFORM=" + Value("QT_QPA_PLATFORM"));
  }
  WriteError(line);
  std::_Exit(1);
}

void OnMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (holding && type == QtFatalMsg && text.contains(QStringLiteral("platform plugin"))) {
    FailToStart();
  }
  if (holding && type != QtFatalMsg) {
    held.push_back({type, QString::fromUtf8(context.category), text});
    return;
  }
  qt_handler(type, context, text);
}

}  // namespace

void ExplainPlatformFailure() {
  holding = true;
  qt_handler = qInstallMessageHandler(OnMessage);
}

void PlatformStarted() {
  holding = false;
  for (const HeldMessage& message : held) {
    const QByteArray category = message.category.toUtf8();
    const QMessageLogContext context(nullptr, 0, nullptr, category.constData());
    qt_handler(message.type, context, message.text);
  }
  held.clear();
  qInstallMessageHandler(qt_handler);
}

}  // namespace mirt2
