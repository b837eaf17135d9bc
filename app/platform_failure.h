#pragma once

namespace mirt2 {

// Makes a platform that Qt cannot start (no compositor or X server answering, Qt's Wayland
// plugin not installed) end the program with one line on stderr that says what to do, and
// status 1, instead of Qt's abort advising to reinstall the program. What Qt says while it
// starts its platform is held back until the platform is up, or dropped for that line.
// Call before the application object is made, and PlatformStarted() right after.
void ExplainPlatformFailure();
void PlatformStarted();

}  // namespace mirt2
