#pragma once

#include <QString>
#include <QtGlobal>
#include <vector>

namespace mirt2::testing {

// Collects the warnings of the category mirt2.handler while it lives; other
// messages are dropped. QTest::ignoreMessage needs QTest's runner, not
// GoogleTest's.
struct HandlerWarnings {
  HandlerWarnings() {
    texts.clear();
    qInstallMessageHandler(&Collect);
  }
  ~HandlerWarnings() { qInstallMessageHandler(nullptr); }
  static void Collect(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtWarningMsg && qstrcmp(context.category, "mirt2.handler") == 0) {
      texts.push_back(text);
    }
  }
  static inline std::vector<QString> texts;
};

}  // namespace mirt2::testing
