// Damaged replies (each short one costs the 50 ms second read, so the
// rounds are few): whatever arrives, a transaction ends, writes nothing
// outside the caller's buffer, and succeeds only for a frame that really is
// whole and correct.
#include "CLPGDevice.h"
#include "ScriptedTransport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>

using kwtest::Bytes;

namespace {
struct Decoded
{
    bool ok = false;
    unsigned char cmd = 0;
    Bytes payload;
};

// The reply as the controller's side reads it: resynchronised on the first
// 0xAA of the first four bytes, words turned back, sum checked.
Decoded decode(const Bytes& stream)
{
    Decoded d;
    size_t at = 0;
    if (stream.size() < 4)
        return d;
    if (stream[0] != 0xAA || stream[1] != 0x55) {
        const auto start = std::find(stream.begin(), stream.begin() + 4, 0xAA);
        if (start == stream.begin() + 4)
            return d;
        at = start - stream.begin();
    }
    if (stream.size() < at + 6)
        return d;
    const unsigned len = stream[at + 2], nonce = stream[at + 4] << 8 | stream[at + 5];
    if (len <= 2 || stream.size() < at + 6 + len)
        return d;
    d.cmd = stream[at + 3];
    d.payload.assign(stream.begin() + at + 6, stream.begin() + at + 4 + len);
    unsigned sum = 1 + len + d.cmd + (nonce >> 8) + (nonce & 0xFF);
    const unsigned shift = nonce % 16;
    for (size_t i = 0; i + 1 < d.payload.size(); i += 2) {
        const unsigned word = d.payload[i] | d.payload[i + 1] << 8;
        const unsigned plain = (word >> shift | word << (16 - shift)) & 0xFFFF;
        d.payload[i] = static_cast<unsigned char>(plain);
        d.payload[i + 1] = static_cast<unsigned char>(plain >> 8);
    }
    for (unsigned char b : d.payload)
        sum += b;
    const size_t end = at + 6 + len;
    d.ok = (sum & 0xFFFF) == static_cast<unsigned>(stream[end - 2] << 8 | stream[end - 1]);
    return d;
}

void mutate(Bytes& frame, std::mt19937& random)
{
    const int changes = random() % 4;
    for (int i = 0; i < changes && !frame.empty(); ++i) {
        const size_t at = random() % frame.size();
        switch (random() % 5) {
        case 0:
            frame[at] ^= static_cast<unsigned char>(1 + random() % 255);
            break;
        case 1:
            frame[2] = static_cast<unsigned char>(random());
            break;
        case 2:
            frame.resize(at);
            break;
        case 3:
            frame.insert(frame.begin(), static_cast<unsigned char>(random() % 2 ? 0xAA : random()));
            break;
        case 4:
            frame.push_back(static_cast<unsigned char>(random()));
            break;
        }
    }
}
} // namespace

TEST(FrameMutation, DamagedRepliesFailCleanly)
{
    kwtest::ScriptInstall install;
    CLPGDevice device;
    device.m_port.open(1);
    std::mt19937 random(1102);
    const unsigned char kGuard = 0xE5;
    for (int round = 0; round < 1000; ++round) {
        Bytes payload(random() % 120);
        for (unsigned char& b : payload)
            b = static_cast<unsigned char>(random());
        Bytes reply = kwtest::replyFrame(static_cast<unsigned char>(random()), random() & 0xFFFF, payload);
        mutate(reply, random);
        const bool split = random() % 4 == 0 && reply.size() > 1;
        const size_t cut = split ? 1 + random() % (reply.size() - 1) : reply.size();
        install.script->reply(
            {Bytes(reply.begin(), reply.begin() + cut), Bytes(reply.begin() + cut, reply.end())});

        const size_t capacities[] = {kTransactBufferSize, 130, 40, 8};
        const size_t capacity = capacities[random() % 4];
        Bytes memory(capacity + 64, kGuard);
        unsigned char* buffer = memory.data() + 32;
        buffer[0] = 36;
        unsigned char length = 6, cmd = 2;
        const bool checked = round % 2 == 1;
        const bool ok = checked ? device.transactChecked(buffer, length, cmd, capacity) == 0
                                : device.transact(buffer, length, cmd, capacity);

        for (size_t i = 0; i < 32; ++i)
            ASSERT_TRUE(memory[i] == kGuard && memory[32 + capacity + i] == kGuard) << round;
        const Decoded expected = decode(reply);
        if (!ok)
            continue;
        ASSERT_TRUE(expected.ok) << round;
        ASSERT_EQ(expected.cmd, cmd) << round;
        ASSERT_EQ(expected.payload.size() + (checked ? 2 : 0), length) << round;
        ASSERT_EQ(expected.payload, Bytes(buffer, buffer + expected.payload.size())) << round;
    }
}

TEST(FrameMutation, UndamagedRepliesAllPass)
{
    kwtest::ScriptInstall install;
    CLPGDevice device;
    device.m_port.open(1);
    std::mt19937 random(1103);
    for (int round = 0; round < 500; ++round) {
        Bytes payload(1 + random() % kMaxFramePayload);
        for (unsigned char& b : payload)
            b = static_cast<unsigned char>(random());
        install.script->reply(kwtest::replyFrame(5, random() & 0xFFFF, payload));
        unsigned char buffer[kTransactBufferSize] = {11};
        unsigned char length = 6, cmd = 2;
        ASSERT_TRUE(device.transact(buffer, length, cmd)) << round;
        ASSERT_EQ(payload, Bytes(buffer, buffer + length)) << round;
    }
}
