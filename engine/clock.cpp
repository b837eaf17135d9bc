#include "clock.h"

#include <ctime>

namespace mirt2 {

int SystemClock::Time() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
#if defined(_WIN32)
  localtime_s(&local, &now);
#else
  localtime_r(&now, &local);
#endif
  // A leap second (tm_sec 60) would make 23:59:60 a 24-hour value; it counts as :59.
  const int second = local.tm_sec > 59 ? 59 : local.tm_sec;
  return local.tm_hour * 3600 + local.tm_min * 60 + second;
}

}  // namespace mirt2
