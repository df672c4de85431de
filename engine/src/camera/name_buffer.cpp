// Names and ids into the program's UTF-16 buffers.
#include "camera/name_buffer.h"

#include <mirelo/engine_api.h>

namespace mirelo::camera {

void copyName(const std::string &s, char16_t *out)
{
    const size_t limit = MIRELO_NAME_BUFFER_UNITS - 1;
    size_t n = 0, i = 0;
    while (i < s.size()) {
        const auto c = uint8_t(s[i]);
        uint32_t cp = 0xfffd;
        size_t len = 1;
        if (c < 0x80) {
            cp = c;
        } else if ((c & 0xe0) == 0xc0 || (c & 0xf0) == 0xe0 || (c & 0xf8) == 0xf0) {
            const size_t want = (c & 0xe0) == 0xc0 ? 2 : (c & 0xf0) == 0xe0 ? 3 : 4;
            uint32_t v = c & (want == 2 ? 0x1f : want == 3 ? 0x0f : 0x07);
            size_t k = 1;
            for (; k < want && i + k < s.size() && (uint8_t(s[i + k]) & 0xc0) == 0x80; ++k)
                v = (v << 6) | (uint8_t(s[i + k]) & 0x3f);
            if (k == want && v <= 0x10ffff && !(v >= 0xd800 && v <= 0xdfff)
                && v >= (want == 2 ? 0x80u : want == 3 ? 0x800u : 0x10000u)) {
                cp = v;
                len = want;
            } else {
                len = k;
            }
        }
        i += len;
        if (cp >= 0x10000) {
            if (n + 2 > limit)
                break;
            cp -= 0x10000;
            out[n++] = char16_t(0xd800 + (cp >> 10));
            out[n++] = char16_t(0xdc00 + (cp & 0x3ff));
        } else {
            if (n + 1 > limit)
                break;
            out[n++] = char16_t(cp);
        }
    }
    out[n] = 0;
}

} // namespace mirelo::camera
