#include <windows.h>

#include <string>

#include "restart_registration.h"

namespace mirt2 {

namespace {

long RegisterWithWindows(const wchar_t* command_line, unsigned long flags) {
  return RegisterApplicationRestart(command_line, flags);
}

long UnregisterWithWindows() {
  return UnregisterApplicationRestart();
}

}  // namespace

RestartCalls& RestartCallsInUse() {
  static RestartCalls calls{&RegisterWithWindows, &UnregisterWithWindows};
  return calls;
}

bool RegisterRestart(std::string_view arguments) {
  const int size = static_cast<int>(arguments.size());
  std::wstring command_line(static_cast<std::size_t>(size), L'\0');
  const int converted = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, arguments.data(), size,
                                            command_line.data(), size);
  if (converted == 0 && size != 0) return false;
  command_line.resize(static_cast<std::size_t>(converted));
  if (command_line.size() > RESTART_MAX_CMD_LINE) return false;
  // No flag: restarts for updates and reboots, and after crashes and hangs, are all wanted.
  return SUCCEEDED(RestartCallsInUse().register_restart(command_line.c_str(), 0));
}

void WithdrawRestart() {
  RestartCallsInUse().unregister_restart();
}

}  // namespace mirt2
