#pragma once

#include "FrameTrace.h"
#include "serialport.h"

#include <cstddef>
#include <cstdint>

// One request frame written to the port and one reply frame read back.
// The checked form (used for live-data samples) purges the input before
// writing, stops at any line error and accepts no reply that comes late.
class FrameExchange
{
public:
    FrameExchange(CSerialPort& port, bool checked) : m_port(port), m_checked(checked) {}

    // Sends `size` payload bytes of `payload` (its words rotated in place).
    bool send(unsigned char* payload, unsigned char size, unsigned char cmd, uint16_t nonce);
    // Reads the reply into `buffer` (`capacity` bytes): payload rotated back,
    // then the two checksum bytes. True only for a whole reply with the right
    // sum; `len` is the reply's LEN.
    bool receive(unsigned char* buffer, size_t capacity, unsigned char& len, unsigned char& cmd);

private:
    void write(const unsigned char* bytes, unsigned n);
    unsigned read(unsigned char* bytes, unsigned n);
    bool lineClear();
    bool readHeader(unsigned char (&header)[4]);
    bool readNonce(uint16_t& nonce);
    unsigned readBody(unsigned char* body, unsigned len);

    CSerialPort& m_port;
    bool m_checked;
    FrameTrace m_trace;
};
