#pragma once
// The MD5 message digest (RFC 1321), as 32 lower-case hexadecimal characters.

#include <QString>
#include <cstdint>
#include <string>

class MD5
{
public:
    MD5();
    void init();
    void update(const unsigned char *input, std::size_t length);
    void update(const char *input, std::size_t length);
    // Finalises a copy of the state, so the object stays usable: later
    // updates continue the same message.
    std::string hexdigest();

private:
    void transform(const uint8_t block[64]);

    uint32_t m_state[4];
    uint32_t m_count[2]; // length in bits, low word first
    uint8_t m_buffer[64];
    uint8_t m_digest[16];
    bool m_finalized;
};

// The digest of a file's bytes; empty when the file cannot be opened.
QString fileMd5(const QString &path);
