#include "md5.h"

#include <QFile>
#include <cstring>

namespace {

inline uint32_t rotl(uint32_t x, int n) { return (x << n) | (x >> (32 - n)); }
inline uint32_t F(uint32_t x, uint32_t y, uint32_t z) { return (x & y) | (~x & z); }
inline uint32_t G(uint32_t x, uint32_t y, uint32_t z) { return (x & z) | (y & ~z); }
inline uint32_t H(uint32_t x, uint32_t y, uint32_t z) { return x ^ y ^ z; }
inline uint32_t I(uint32_t x, uint32_t y, uint32_t z) { return y ^ (x | ~z); }

template <uint32_t (*Fn)(uint32_t, uint32_t, uint32_t)>
inline void step(uint32_t &a, uint32_t b, uint32_t c, uint32_t d, uint32_t x, int s, uint32_t t)
{
    a = b + rotl(a + Fn(b, c, d) + x + t, s);
}

void encode(uint8_t *out, const uint32_t *in, std::size_t words)
{
    for (std::size_t i = 0; i < words; ++i) {
        out[i * 4] = uint8_t(in[i]);
        out[i * 4 + 1] = uint8_t(in[i] >> 8);
        out[i * 4 + 2] = uint8_t(in[i] >> 16);
        out[i * 4 + 3] = uint8_t(in[i] >> 24);
    }
}

} // namespace

MD5::MD5()
{
    init();
}

void MD5::init()
{
    m_state[0] = 0x67452301;
    m_state[1] = 0xefcdab89;
    m_state[2] = 0x98badcfe;
    m_state[3] = 0x10325476;
    m_count[0] = m_count[1] = 0;
    std::memset(m_buffer, 0, sizeof m_buffer);
    std::memset(m_digest, 0, sizeof m_digest);
    m_finalized = false;
}

void MD5::transform(const uint8_t block[64])
{
    uint32_t x[16];
    for (int i = 0; i < 16; ++i)
        x[i] = uint32_t(block[i * 4]) | uint32_t(block[i * 4 + 1]) << 8
               | uint32_t(block[i * 4 + 2]) << 16 | uint32_t(block[i * 4 + 3]) << 24;
    uint32_t a = m_state[0], b = m_state[1], c = m_state[2], d = m_state[3];

    static const int s1[4] = {7, 12, 17, 22}, s2[4] = {5, 9, 14, 20}, s3[4] = {4, 11, 16, 23},
                     s4[4] = {6, 10, 15, 21};
    static const uint32_t t[64] = {
        0xd76aa478, 0xe8c7b756, 0x242070db, 0xc1bdceee, 0xf57c0faf, 0x4787c62a, 0xa8304613,
        0xfd469501, 0x698098d8, 0x8b44f7af, 0xffff5bb1, 0x895cd7be, 0x6b901122, 0xfd987193,
        0xa679438e, 0x49b40821, 0xf61e2562, 0xc040b340, 0x265e5a51, 0xe9b6c7aa, 0xd62f105d,
        0x02441453, 0xd8a1e681, 0xe7d3fbc8, 0x21e1cde6, 0xc33707d6, 0xf4d50d87, 0x455a14ed,
        0xa9e3e905, 0xfcefa3f8, 0x676f02d9, 0x8d2a4c8a, 0xfffa3942, 0x8771f681, 0x6d9d6122,
        0xfde5380c, 0xa4beea44, 0x4bdecfa9, 0xf6bb4b60, 0xbebfbc70, 0x289b7ec6, 0xeaa127fa,
        0xd4ef3085, 0x04881d05, 0xd9d4d039, 0xe6db99e5, 0x1fa27cf8, 0xc4ac5665, 0xf4292244,
        0x432aff97, 0xab9423a7, 0xfc93a039, 0x655b59c3, 0x8f0ccc92, 0xffeff47d, 0x85845dd1,
        0x6fa87e4f, 0xfe2ce6e0, 0xa3014314, 0x4e0811a1, 0xf7537e82, 0xbd3af235, 0x2ad7d2bb,
        0xeb86d391};

    // Each step works on the four words in turn: a, d, c, b take the
    // place of "a" as RFC 1321 writes the rounds out.
    for (int i = 0; i < 16; ++i) {
        uint32_t *v[4] = {&a, &b, &c, &d};
        const int k = (4 - i % 4) % 4; // which variable is "a" in this step
        uint32_t &A = *v[k], &B = *v[(k + 1) % 4], &C = *v[(k + 2) % 4], &D = *v[(k + 3) % 4];
        step<F>(A, B, C, D, x[i], s1[i % 4], t[i]);
    }
    for (int i = 0; i < 16; ++i) {
        uint32_t *v[4] = {&a, &b, &c, &d};
        const int k = (4 - i % 4) % 4;
        uint32_t &A = *v[k], &B = *v[(k + 1) % 4], &C = *v[(k + 2) % 4], &D = *v[(k + 3) % 4];
        step<G>(A, B, C, D, x[(1 + 5 * i) % 16], s2[i % 4], t[16 + i]);
    }
    for (int i = 0; i < 16; ++i) {
        uint32_t *v[4] = {&a, &b, &c, &d};
        const int k = (4 - i % 4) % 4;
        uint32_t &A = *v[k], &B = *v[(k + 1) % 4], &C = *v[(k + 2) % 4], &D = *v[(k + 3) % 4];
        step<H>(A, B, C, D, x[(5 + 3 * i) % 16], s3[i % 4], t[32 + i]);
    }
    for (int i = 0; i < 16; ++i) {
        uint32_t *v[4] = {&a, &b, &c, &d};
        const int k = (4 - i % 4) % 4;
        uint32_t &A = *v[k], &B = *v[(k + 1) % 4], &C = *v[(k + 2) % 4], &D = *v[(k + 3) % 4];
        step<I>(A, B, C, D, x[(7 * i) % 16], s4[i % 4], t[48 + i]);
    }

    m_state[0] += a;
    m_state[1] += b;
    m_state[2] += c;
    m_state[3] += d;
}

void MD5::update(const unsigned char *input, std::size_t length)
{
    m_finalized = false;
    std::size_t index = (m_count[0] >> 3) & 0x3f;
    const uint64_t bits = (uint64_t(m_count[1]) << 32 | m_count[0]) + (uint64_t(length) << 3);
    m_count[0] = uint32_t(bits);
    m_count[1] = uint32_t(bits >> 32);

    const std::size_t room = 64 - index;
    std::size_t i = 0;
    if (length >= room) {
        std::memcpy(m_buffer + index, input, room);
        transform(m_buffer);
        for (i = room; i + 63 < length; i += 64)
            transform(input + i);
        index = 0;
    }
    if (length > i)
        std::memcpy(m_buffer + index, input + i, length - i);
}

void MD5::update(const char *input, std::size_t length)
{
    update(reinterpret_cast<const unsigned char *>(input), length);
}

std::string MD5::hexdigest()
{
    if (!m_finalized) {
        // Pad a copy: the running state and buffer stay as they were.
        MD5 copy(*this);
        uint8_t bits[8];
        encode(bits, copy.m_count, 2);
        const std::size_t index = (copy.m_count[0] >> 3) & 0x3f;
        const std::size_t padding = index < 56 ? 56 - index : 120 - index;
        static const uint8_t pad[64] = {0x80};
        copy.update(pad, padding);
        copy.update(bits, 8);
        encode(m_digest, copy.m_state, 4);
        m_finalized = true;
    }
    static const char hex[] = "0123456789abcdef";
    std::string text(32, '0');
    for (int i = 0; i < 16; ++i) {
        text[i * 2] = hex[m_digest[i] >> 4];
        text[i * 2 + 1] = hex[m_digest[i] & 0x0f];
    }
    return text;
}

QString fileMd5(const QString &path)
{
    // Binary mode and the byte counts read: line ends and NUL bytes are fed
    // exactly as they are on disk.
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    MD5 md5;
    md5.init();
    char chunk[65536];
    qint64 got;
    while ((got = file.read(chunk, sizeof chunk)) > 0)
        md5.update(chunk, std::size_t(got));
    return QString::fromStdString(md5.hexdigest());
}
