#include <algorithm>
#include <fstream>

#include "boot_identity.h"

namespace mirt2 {

// The kernel draws a random UUID at each boot; suspend and hibernation keep it, as they keep
// CLOCK_BOOTTIME running.
std::string BootIdentity() {
  std::ifstream file("/proc/sys/kernel/random/boot_id");
  std::string boot;
  std::getline(file, boot);
  const bool named = boot.size() <= 64 && std::all_of(boot.begin(), boot.end(), [](char c) {
                       return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || c == '-';
                     });
  return named ? boot : std::string();
}

}  // namespace mirt2
