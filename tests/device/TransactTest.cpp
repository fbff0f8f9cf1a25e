#include "CLPGDevice.h"
#include "ScriptedTransport.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <thread>

using kwtest::Bytes;
using kwtest::replyFrame;

namespace {
// A controller object on an open scripted port.
struct ScriptedDevice
{
    kwtest::ScriptInstall install;
    CLPGDevice device;
    kwtest::LineScript& line = *install.script;
    unsigned char buffer[kTransactBufferSize] = {};

    ScriptedDevice() { device.m_port.open(1); }

    Bytes payloadOf(unsigned n) const { return Bytes(buffer, buffer + n); }

    bool transact(Bytes request, unsigned char& length, unsigned char& cmd)
    {
        memcpy(buffer, request.data(), request.size());
        length = static_cast<unsigned char>(request.size());
        return device.transact(buffer, length, cmd);
    }

    unsigned char transactChecked(Bytes request, unsigned char& length, unsigned char& cmd)
    {
        memcpy(buffer, request.data(), request.size());
        length = static_cast<unsigned char>(request.size());
        return device.transactChecked(buffer, length, cmd);
    }
};

const Bytes kAck = {4, 0, 0, 0, 0, 0};
const Bytes kRequest = {0xCC, 0, 0, 4, 0, 0};
} // namespace

TEST(Transact, RequestOnTheWire)
{
    ScriptedDevice d;
    unsigned char length, cmd = 2;
    srand(kwtest::seedForNonce(0x1234));
    d.transact({0x01, 0x02, 0x03, 0x04, 0x05}, length, cmd);
    // Words 0x0201 and 0x0403 turned left by 4, the odd byte as it is.
    const Bytes expected = {0xAA, 0x55, 7, 2, 0x12, 0x34, 0x10, 0x20, 0x30, 0x40, 0x05, 0x00, 0x5F};
    EXPECT_EQ(expected, d.line.written);

    d.line.written.clear();
    srand(kwtest::seedForNonce(0x0105));
    d.transact({0x0D, 0, 0, 0, 0, 0}, length, cmd = 2);
    const Bytes worked = {0xAA, 0x55, 8, 2, 0x01, 0x05, 0xA0, 0x01, 0, 0, 0, 0, 0x00, 0x1E};
    EXPECT_EQ(worked, d.line.written);

    d.line.written.clear();
    srand(kwtest::seedForNonce(0x1230));
    d.transact({0x0D, 0x0E}, length, cmd = 2);
    EXPECT_EQ(0x0D, d.line.written[6]);
    EXPECT_EQ(0x0E, d.line.written[7]);
}

TEST(Transact, ReplyDecodedByBothForms)
{
    ScriptedDevice d;
    const Bytes payload = {4, '0', 0x55, 0x00, 9, 8, 7};
    d.line.reply(replyFrame(2, 0x1234, payload));
    unsigned char length, cmd = 2;
    ASSERT_TRUE(d.transact(kRequest, length, cmd));
    EXPECT_EQ(2, cmd);
    EXPECT_EQ(payload.size(), length);
    EXPECT_EQ(payload, d.payloadOf(length));

    d.line.reply(replyFrame(1, 0x7FFF, payload));
    ASSERT_EQ(0, d.transactChecked(kRequest, length, cmd = 2));
    EXPECT_EQ(1, cmd);
    EXPECT_EQ(payload.size() + 2, length); // the sum bytes stay behind the payload
    EXPECT_EQ(payload, d.payloadOf(payload.size()));
}

TEST(Transact, ResynchronisesOnTheFirstStartByte)
{
    ScriptedDevice d;
    Bytes late = {0x00, 0x00};
    const Bytes frame = replyFrame(2, 0x0F0F, kAck);
    late.insert(late.end(), frame.begin(), frame.end());
    d.line.reply(late);
    d.line.reply(late);
    unsigned char length, cmd = 2;
    EXPECT_TRUE(d.transact(kRequest, length, cmd));
    EXPECT_EQ(0, d.transactChecked(kRequest, length, cmd = 2));
    EXPECT_EQ(kAck, d.payloadOf(kAck.size()));
}

TEST(Transact, HeaderWithoutStartByteEndsAtOnce)
{
    for (bool checked : {false, true}) {
        ScriptedDevice d;
        Bytes noise = {0x01, 0x55, 0x08, 0x02};
        const Bytes frame = replyFrame(2, 0x0001, kAck);
        noise.insert(noise.end(), frame.begin(), frame.end());
        d.line.reply(noise);
        unsigned char length, cmd = 2;
        if (checked)
            EXPECT_EQ(2, d.transactChecked(kRequest, length, cmd));
        else
            EXPECT_FALSE(d.transact(kRequest, length, cmd));
        EXPECT_EQ(4u, d.line.bytesRead);
    }
}

TEST(Transact, ReplyInTwoPartsOnlyForTheLenientForm)
{
    ScriptedDevice d;
    const Bytes frame = replyFrame(2, 0x0203, kAck);
    const std::vector<Bytes> parts = {Bytes(frame.begin(), frame.begin() + 9),
                                      Bytes(frame.begin() + 9, frame.end())};
    d.line.reply(parts);
    d.line.reply(parts);
    unsigned char length, cmd = 2;
    EXPECT_TRUE(d.transact(kRequest, length, cmd));
    EXPECT_EQ(kAck, d.payloadOf(length));
    EXPECT_EQ(2, d.transactChecked(kRequest, length, cmd = 2));
}

TEST(Transact, RejectsEmptyBadShortAndMissingReplies)
{
    const Bytes good = replyFrame(2, 0x4321, kAck);
    Bytes badSum = good;
    badSum.back() ^= 1;
    Bytes shortReply = good;
    shortReply.resize(good.size() - 3);
    const Bytes silence;
    for (const Bytes& reply : {replyFrame(2, 0x4321, {}), badSum, shortReply, silence}) {
        ScriptedDevice d;
        d.line.reply(reply);
        d.line.reply(reply);
        unsigned char length, cmd = 2;
        EXPECT_FALSE(d.transact(kRequest, length, cmd));
        EXPECT_EQ(2, d.transactChecked(kRequest, length, cmd = 2));
    }
}

TEST(Transact, StaleInputIsPurgedBeforeTheReply)
{
    ScriptedDevice d;
    d.line.input.push_back(replyFrame(9, 0x1111, {1, 2, 3, 4}));
    d.line.reply(replyFrame(2, 0x2222, kAck));
    unsigned char length, cmd = 2;
    ASSERT_TRUE(d.transact(kRequest, length, cmd));
    EXPECT_EQ(2, cmd);
}

TEST(Transact, LineErrorsFailOnlyTheCheckedForm)
{
    // The checked form asks after the nonce, the payload, the sum, the
    // zeroing of the buffer and the sum test: an error at any of them fails it.
    for (unsigned at = 0; at < 5; ++at) {
        ScriptedDevice d;
        d.line.lineErrors.assign(at, 0);
        d.line.lineErrors.push_back(CE_FRAME);
        d.line.reply(replyFrame(1, 0x0100, kAck));
        unsigned char length, cmd = 2;
        EXPECT_EQ(2, d.transactChecked(kRequest, length, cmd)) << at;
    }
    ScriptedDevice d;
    d.line.lineErrors.assign(5, CE_FRAME);
    d.line.reply(replyFrame(2, 0x0100, kAck));
    unsigned char length, cmd = 2;
    EXPECT_TRUE(d.transact(kRequest, length, cmd));
}

TEST(Transact, ReplyNeverWrittenPastTheBuffer)
{
    ScriptedDevice d;
    unsigned char guarded[64 + 16];
    memset(guarded, 0xEE, sizeof guarded);
    d.line.reply(replyFrame(3, 0x0505, Bytes(100, 0x11)));
    unsigned char length = 6, cmd = 2;
    memcpy(guarded, kRequest.data(), kRequest.size());
    EXPECT_FALSE(d.device.transact(guarded, length, cmd, 64));
    for (unsigned i = 64; i < sizeof guarded; ++i)
        ASSERT_EQ(0xEE, guarded[i]) << i;

    d.line.reply(replyFrame(3, 0x0505, Bytes(40, 0x11)));
    length = 6;
    memcpy(guarded, kRequest.data(), kRequest.size());
    EXPECT_TRUE(d.device.transact(guarded, length, cmd = 2, 64));
    EXPECT_EQ(40, length);
}

TEST(Transact, RequestTooLongIsNotSent)
{
    ScriptedDevice d;
    unsigned char length = 254, cmd = 3;
    EXPECT_FALSE(d.device.transact(d.buffer, length, cmd));
    length = 20;
    EXPECT_EQ(2, d.device.transactChecked(d.buffer, length, cmd, 10));
    EXPECT_TRUE(d.line.written.empty());
}

TEST(Transact, PortErrorPassesThroughAndReleasesTheMutex)
{
    ScriptedDevice d;
    d.line.readError = ERROR_ACCESS_DENIED;
    unsigned char length, cmd = 2;
    try {
        d.transact(kRequest, length, cmd);
        FAIL() << "no error";
    } catch (IError* e) {
        EXPECT_NE(nullptr, dynamic_cast<CRSError*>(e));
        EXPECT_EQ(6u, e->code());
        delete e;
    }
    d.line.readError = 0;
    d.line.reply(replyFrame(2, 0x0102, kAck));
    bool answered = false;
    std::thread other([&] {
        unsigned char buffer[kTransactBufferSize] = {0xCC, 0, 0, 4, 0, 0};
        unsigned char len = 6, command = 2;
        answered = d.device.transact(buffer, len, command);
    });
    other.join();
    EXPECT_TRUE(answered);
}

// Two threads at once: the mutex keeps every request and its reply together.
TEST(Transact, ThreadsNeverInterleaveFrames)
{
    ScriptedDevice d;
    const int rounds = 200;
    for (int i = 0; i < 2 * rounds; ++i)
        d.line.reply(replyFrame(2, static_cast<uint16_t>(i), kAck));
    int answered[2] = {0, 0};
    auto run = [&](int who) {
        for (int i = 0; i < rounds; ++i) {
            unsigned char buffer[kTransactBufferSize] = {static_cast<unsigned char>(7 + who), 0, 0, 0, 0, 0};
            unsigned char len = 6, cmd = 2;
            answered[who] += d.device.transact(buffer, len, cmd) ? 1 : 0;
        }
    };
    std::thread a(run, 0), b(run, 1);
    a.join();
    b.join();
    EXPECT_EQ(rounds, answered[0]);
    EXPECT_EQ(rounds, answered[1]);
}

TEST(Transact, FrameTraceWritesBothDirections)
{
    kwtest::TempDir dir;
    const std::wstring trace = dir.file(L"frames.txt");
    SetEnvironmentVariableW(L"KESTRELWAVE_FRAME_TRACE", trace.c_str());
    {
        ScriptedDevice d;
        Bytes late = {0x00};
        const Bytes frame = replyFrame(2, 0x0101, {4, 0});
        late.insert(late.end(), frame.begin(), frame.end());
        d.line.reply(late);
        unsigned char length, cmd = 2;
        srand(kwtest::seedForNonce(0x0100));
        d.transact({4, 0}, length, cmd);
    }
    SetEnvironmentVariableW(L"KESTRELWAVE_FRAME_TRACE", nullptr);
    const std::string text = kwtest::readFileBytes(trace);
    EXPECT_NE(std::string::npos, text.find(" -> AA 55 04 02 01 00 04 00 00 0C\r\n")) << text;
    EXPECT_NE(std::string::npos, text.find(" <- 00 AA 55 04 02 01 01 08 00 00 0D\r\n")) << text;
}
