#pragma once

#include <string>

namespace mirt2 {

// Names this boot of the computer, differently from every other boot, so that a state saved
// before can tell whether the real-time clock has run on since or started again. Letters, digits
// and hyphens, at most 64; empty where the system names none.
std::string BootIdentity();

}  // namespace mirt2
