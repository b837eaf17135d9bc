#include <windows.h>

#include <string>

#include "boot_identity.h"

namespace mirt2 {

// Windows counts its boots here; a resume from sleep or hibernation, and the fast startup that
// resumes a hibernated kernel, count none, as the performance counter runs on through them.
std::string BootIdentity() {
  DWORD boot = 0;
  DWORD size = sizeof boot;
  const LSTATUS status = RegGetValueW(
      HKEY_LOCAL_MACHINE,
      L"SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Memory Management\\PrefetchParameters",
      L"BootId", RRF_RT_REG_DWORD, nullptr, &boot, &size);
  return status == ERROR_SUCCESS ? "boot" + std::to_string(boot) : std::string();
}

}  // namespace mirt2
