#pragma once

#include <QString>
#include <string_view>

namespace mirt2 {

// The program keeps its texts in UTF-8; Qt's widgets take QString.
inline QString ToQString(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

}  // namespace mirt2
