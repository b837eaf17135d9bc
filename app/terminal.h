#pragma once

#include <string_view>

namespace mirt2 {

// Everything the program says on a terminal goes through these, the usage and the one-line
// messages alike, so that all of it reads right wherever it goes: on Windows to the console as
// UTF-16, or to a file or pipe in the console's code page; elsewhere as the UTF-8 it is written
// in. 0 once all of `text` is out, 1 where it could not be: a full disk or a closed pipe is a
// failure, not a success.
int WriteOut(std::string_view text);
int WriteError(std::string_view text);

}  // namespace mirt2
