#pragma once

#include <string_view>

namespace mirt2 {

// Windows only: asks Windows to start the program again with `arguments` (UTF-8) when it
// restarts the computer for updates, when an installer's restart manager closes it, and, once it
// has run a minute, after it crashed or hung, and where the user has Windows restart their apps,
// after any restart or sign-out. The arguments follow the program's path on the command line;
// Windows takes at most 1024 characters of them. False where Windows refused.
bool RegisterRestart(std::string_view arguments);
// Withdraws that: the program is not to come back.
void WithdrawRestart();

// The two calls that reach Windows, so that a test can see what they are given where Wine keeps
// none of it: RegisterApplicationRestart and UnregisterApplicationRestart by default.
struct RestartCalls {
  long (*register_restart)(const wchar_t* command_line, unsigned long flags);
  long (*unregister_restart)();
};
RestartCalls& RestartCallsInUse();

}  // namespace mirt2
