#pragma once
// UTF-8 names and ids into the program's UTF-16 buffers.
#include <string>

namespace mirelo {

// Writes `text` as UTF-16 into `buffer` of `units` units: at most units - 1
// units and a terminator, cut before a character that does not fit whole
// (never half a surrogate pair). Malformed UTF-8 becomes U+FFFD. Returns
// the number of units written before the terminator.
int copyToUtf16(const std::string &text, char16_t *buffer, int units);

} // namespace mirelo
