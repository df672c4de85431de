#include "core/text16.h"

namespace mirelo {

namespace {

// Decodes one code point at text[i], advancing i; U+FFFD for bad input.
char32_t nextCodePoint(const std::string &text, size_t &i)
{
    const auto byte = [&](size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i++);
    if (lead < 0x80)
        return lead;
    int extra;
    char32_t cp;
    char32_t minimum;
    if ((lead & 0xE0) == 0xC0) {
        extra = 1; cp = lead & 0x1F; minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2; cp = lead & 0x0F; minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3; cp = lead & 0x07; minimum = 0x10000;
    } else {
        return 0xFFFD;
    }
    for (int k = 0; k < extra; ++k) {
        if (i >= text.size() || (byte(i) & 0xC0) != 0x80)
            return 0xFFFD;
        cp = (cp << 6) | (byte(i++) & 0x3F);
    }
    if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return 0xFFFD;
    return cp;
}

} // namespace

int copyToUtf16(const std::string &text, char16_t *buffer, int units)
{
    if (!buffer || units <= 0)
        return 0;
    const int room = units - 1;
    int written = 0;
    size_t i = 0;
    while (i < text.size()) {
        const char32_t cp = nextCodePoint(text, i);
        if (cp >= 0x10000) {
            if (written + 2 > room)
                break;
            const char32_t v = cp - 0x10000;
            buffer[written++] = static_cast<char16_t>(0xD800 + (v >> 10));
            buffer[written++] = static_cast<char16_t>(0xDC00 + (v & 0x3FF));
        } else {
            if (written + 1 > room)
                break;
            buffer[written++] = static_cast<char16_t>(cp);
        }
    }
    buffer[written] = 0;
    return written;
}

} // namespace mirelo
