// The real Win32 port on a pty pair; the test plays the controller on the
// peer port.
#include "CLPGDevice.h"
#include "KwSimProcess.h"
#include "PtyPair.h"
#include "RawPort.h"
#include "ScriptedTransport.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <thread>

using kwtest::Bytes;
using kwtest::replyFrame;

namespace {
class Peer : public kwtest::RawPort
{
public:
    explicit Peer(int port) : RawPort(port, 3000) {}

    // A whole request: header, nonce, LEN bytes.
    Bytes readRequest()
    {
        Bytes frame = receive(6);
        if (frame.size() == 6) {
            const Bytes rest = receive(frame[2]);
            frame.insert(frame.end(), rest.begin(), rest.end());
        }
        return frame;
    }
};

const Bytes kAck = {4, '0', 0x55, 0, 0, 0};

struct Line : ::testing::Test
{
    kwtest::PtyPair pair;
    CLPGDevice device;
    unsigned char buffer[kTransactBufferSize] = {};
    unsigned char length = 6, cmd = 2;
    Bytes request;

    void SetUp() override
    {
        ASSERT_TRUE(pair.ok());
        openControllerLine(device.m_port, pair.programPort());
        const unsigned char identify[6] = {0xCC, 0, 0, 4, 0, 0};
        memcpy(buffer, identify, sizeof identify);
    }
    void TearDown() override { device.m_port.close(); }

    // Runs `exchange` while the peer answers the request with `reply`.
    void withReply(const Bytes& reply, const std::function<void()>& exchange)
    {
        Peer peer(pair.peerPort());
        ASSERT_TRUE(peer.ok());
        std::thread controller([&] {
            request = peer.readRequest();
            if (!reply.empty())
                peer.send(reply);
        });
        exchange();
        controller.join();
    }
};
} // namespace

TEST_F(Line, RoundTrip)
{
    bool answered = false;
    withReply(replyFrame(2, 0x3456, kAck), [&] { answered = device.transact(buffer, length, cmd); });
    ASSERT_TRUE(answered);
    EXPECT_EQ(6, length);
    EXPECT_EQ(kAck, Bytes(buffer, buffer + 6));
    ASSERT_EQ(14u, request.size());
    EXPECT_EQ(0xAA, request[0]);
    EXPECT_EQ(8, request[2]);
    EXPECT_TRUE(device.m_port.present(pair.programPort()));

    unsigned char status = 2;
    const unsigned char sample[6] = {36, 0, 0, 0, 0, 0};
    memcpy(buffer, sample, 6);
    length = 6;
    withReply(replyFrame(1, 0x0777, Bytes(82, 0x21)),
              [&] { status = device.transactChecked(buffer, length, cmd); });
    EXPECT_EQ(0, status);
    EXPECT_EQ(1, cmd);
    EXPECT_EQ(84, length);
}

TEST_F(Line, SilentControllerFailsAfterTheReadTimeOut)
{
    bool answered = true;
    const auto start = std::chrono::steady_clock::now();
    withReply({}, [&] { answered = device.transact(buffer, length, cmd); });
    const auto ms =
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start)
            .count();
    EXPECT_FALSE(answered);
    EXPECT_GE(ms, 900);
    EXPECT_LT(ms, 4000);
}

TEST_F(Line, GarbageBeforeTheReplyIsSkipped)
{
    Bytes late = {0x00, 0x13};
    const Bytes frame = replyFrame(2, 0x1001, kAck);
    late.insert(late.end(), frame.begin(), frame.end());
    bool answered = false;
    withReply(late, [&] { answered = device.transact(buffer, length, cmd); });
    EXPECT_TRUE(answered);
    EXPECT_EQ(kAck, Bytes(buffer, buffer + 6));
}

TEST_F(Line, BadChecksumIsRejected)
{
    Bytes bad = replyFrame(2, 0x1001, kAck);
    bad[bad.size() - 2] ^= 0x40;
    unsigned char status = 0;
    withReply(bad, [&] { status = device.transactChecked(buffer, length, cmd); });
    EXPECT_EQ(2, status);
}

TEST(LinePort, MissingPortThrowsOpenError)
{
    CSerialPort port;
    try {
        port.open(30);
        FAIL() << "opened a missing port";
    } catch (IError* e) {
        CRSError* rs = dynamic_cast<CRSError*>(e);
        EXPECT_NE(nullptr, rs);
        EXPECT_EQ(5u, e->code());
        EXPECT_EQ(0u, e->where().find(L"CSerialPort::open(30) - GetLastError()="));
        EXPECT_NE(std::wstring::npos, e->format().find(L"Can't open port Rs232"));
        delete e;
    }
    EXPECT_FALSE(port.isOpen());
    port.close();
}

// The simulated controller program on the other end of the line.
TEST(LineKwSim, RoundTrips)
{
    kwtest::KwSimProcess sim;
    ASSERT_TRUE(sim.start(L""));
    CLPGDevice device;
    openControllerLine(device.m_port, sim.programPort());
    struct Case
    {
        unsigned char selector;
        bool checked;
        unsigned char replyCmd;
        unsigned char replyLength;
    };
    for (const Case& c : {Case{0xCC, false, 2, 0}, Case{7, false, 31, 28}, Case{36, true, 1, 84}}) {
        unsigned char buffer[kTransactBufferSize] = {c.selector, 0, 0, 4, 0, 0};
        unsigned char length = 6, cmd = 2;
        const bool ok = c.checked ? device.transactChecked(buffer, length, cmd) == 0
                                  : device.transact(buffer, length, cmd);
        ASSERT_TRUE(ok) << int(c.selector);
        EXPECT_EQ(c.replyCmd, cmd);
        if (c.replyLength)
            EXPECT_EQ(c.replyLength, length);
        else
            EXPECT_EQ(4, buffer[0]); // identification: the application runs
    }
    device.m_port.close();
    EXPECT_EQ(3u, sim.requestCount());
}
