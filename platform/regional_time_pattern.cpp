// Kept apart from the lookup so that code needing only the lookup does not
// link the engine's pattern compiler.
#include "regional_time_format.h"

namespace mirt2 {

TimePattern RegionalTimePattern() {
  const std::optional<RegionalTimeFormat> format = LookUpRegionalTimeFormat();
  if (!format) return TimePattern::Default();
  return TimePattern::CompileOrDefault(format->pattern, format->am, format->pm);
}

}  // namespace mirt2
