#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <vector>

// A firmware file as the test wants it: header fields, body, and every byte
// stored rotated left by 2 bits.
struct AfmContent
{
    std::vector<uint8_t> body;
    int64_t declaredLength = -1; // -1: the body's length
    uint16_t version = 0x0321;
    uint16_t formatTag = 0x0101;
    std::string identification = "KESTRELWAVE"; // up to 19 bytes, zero padded
    int checksumDelta = 0;                      // added to the right checksum
};

inline std::vector<uint8_t> randomBytes(size_t count, uint32_t seed)
{
    std::mt19937 random(seed);
    std::vector<uint8_t> bytes(count);
    for (auto& b : bytes)
        b = uint8_t(random());
    return bytes;
}

inline std::string buildAfm(const AfmContent& afm)
{
    uint32_t length = afm.declaredLength < 0 ? uint32_t(afm.body.size()) : uint32_t(afm.declaredLength);
    std::vector<uint8_t> header(40, 0);
    for (int i = 0; i < 4; ++i)
        header[i] = uint8_t(length >> (8 * i));
    header[4] = uint8_t(afm.version);
    header[5] = uint8_t(afm.version >> 8);
    header[6] = uint8_t(afm.formatTag);
    header[7] = uint8_t(afm.formatTag >> 8);
    for (int i = 8; i < 19; ++i)
        header[i] = uint8_t(0xA0 + i); // not interpreted, but summed
    for (size_t i = 0; i < afm.identification.size() && i < 19; ++i)
        header[19 + i] = uint8_t(afm.identification[i]);
    uint32_t sum = 1;
    for (size_t i = 0; i < length % 65536 && i < afm.body.size(); ++i)
        sum += afm.body[i];
    sum += 1;
    for (uint8_t b : header)
        sum += b;
    sum += uint32_t(afm.checksumDelta);
    header[38] = uint8_t(sum);
    header[39] = uint8_t(sum >> 8);
    std::vector<uint8_t> plain = header;
    plain.insert(plain.end(), afm.body.begin(), afm.body.end());
    std::string file;
    for (uint8_t b : plain)
        file += char(uint8_t(b << 2 | b >> 6));
    return file;
}
