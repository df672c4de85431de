#pragma once
// Names and ids into the program's UTF-16 buffers.
#include <string>

namespace mirelo::camera {

// UTF-8 to UTF-16 into a caller buffer of MIRELO_NAME_BUFFER_UNITS units:
// at most one unit less than that and a terminator, cut between characters
// (never inside a surrogate pair); bytes that are not UTF-8 become U+FFFD.
void copyName(const std::string &s, char16_t *out);

} // namespace mirelo::camera
