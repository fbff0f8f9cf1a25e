#include "SimTestSupport.h"
#include "SimTransport.h"

#include <gtest/gtest.h>

#include <chrono>

using namespace kwsim;
using Bytes = std::vector<uint8_t>;

namespace {
const Bytes kDeviceInfoRequest = encodeFrame({2, 0x0203, {13, 0, 0, 0, 0, 0}});

DCB controllerLine()
{
    DCB dcb{};
    dcb.DCBlength = sizeof dcb;
    dcb.BaudRate = 38400;
    dcb.ByteSize = 8;
    dcb.Parity = NOPARITY;
    dcb.StopBits = ONESTOPBIT;
    return dcb;
}

class SimTransportTest : public ::testing::Test
{
protected:
    SimTransportTest()
        : sim(std::make_shared<SimController>()), link(SimLink::create(sim, {1, 2, 3, 4, 5}, 3))
    {
    }

    std::unique_ptr<ISerialTransport> openPort(unsigned port, DWORD timeoutMs = 1000)
    {
        std::unique_ptr<ISerialTransport> t = link->makeTransport();
        EXPECT_EQ(0u, t->open(port));
        EXPECT_EQ(0u, t->setState(controllerLine()));
        COMMTIMEOUTS timeouts{0, 1, timeoutMs, 0, 1000};
        EXPECT_EQ(0u, t->setTimeouts(timeouts));
        return t;
    }

    // Sends a request and reads `want` bytes back; returns what came.
    Bytes exchange(ISerialTransport& t, const Bytes& request, DWORD want)
    {
        DWORD n = 0;
        EXPECT_EQ(0u, t.write(request.data(), static_cast<DWORD>(request.size()), &n));
        Bytes reply(want);
        DWORD got = 0;
        EXPECT_EQ(0u, t.read(reply.data(), want, &got));
        reply.resize(got);
        return reply;
    }

    std::shared_ptr<SimController> sim;
    std::shared_ptr<SimLink> link;
};
} // namespace

TEST_F(SimTransportTest, PortsArePresentOpenedOnceAndLogged)
{
    std::unique_ptr<ISerialTransport> t = link->makeTransport();
    EXPECT_TRUE(t->present(5));
    EXPECT_FALSE(t->present(6));
    EXPECT_EQ(DWORD(ERROR_FILE_NOT_FOUND), t->open(6));
    EXPECT_FALSE(t->isOpen());
    EXPECT_EQ(0u, t->open(2));
    EXPECT_EQ(DWORD(ERROR_ACCESS_DENIED), link->makeTransport()->open(2));
    t->close();
    EXPECT_EQ(0u, link->makeTransport()->open(2));
    EXPECT_EQ((std::vector<unsigned>{6, 2, 2, 2}), link->openAttempts());
    DWORD n = 0;
    EXPECT_EQ(DWORD(ERROR_INVALID_HANDLE), t->write("x", 1, &n));
}

TEST_F(SimTransportTest, OnlyTheControllerPortAtTheRightSpeedAnswers)
{
    std::unique_ptr<ISerialTransport> other = openPort(1);
    EXPECT_TRUE(exchange(*other, kDeviceInfoRequest, 40).empty());

    std::unique_ptr<ISerialTransport> slow = link->makeTransport();
    ASSERT_EQ(0u, slow->open(3));
    COMMTIMEOUTS timeouts{0, 1, 1000, 0, 1000};
    slow->setTimeouts(timeouts);
    EXPECT_TRUE(exchange(*slow, kDeviceInfoRequest, 40).empty()); // still 9600 baud
    slow->close();

    std::unique_ptr<ISerialTransport> port = openPort(3);
    const Bytes reply = exchange(*port, kDeviceInfoRequest, 40);
    FrameReader reader;
    reader.push(reply.data(), reply.size(), 0);
    Frame f;
    ASSERT_TRUE(reader.next(f));
    EXPECT_EQ(8, f.cmd);
    EXPECT_EQ(32u, f.payload.size());
}

TEST_F(SimTransportTest, SilenceCostsTheTimeOutInLineTime)
{
    sim->with([](SimState& s) { s.faults.config.silent = true; });
    std::unique_ptr<ISerialTransport> port = openPort(3);
    const int64_t before = link->nowUs();
    const auto wallBefore = std::chrono::steady_clock::now();
    EXPECT_TRUE(exchange(*port, kDeviceInfoRequest, 4).empty());
    EXPECT_EQ(1004000, link->nowUs() - before); // 1000 ms + 1 ms per byte asked
    EXPECT_LT(std::chrono::steady_clock::now() - wallBefore, std::chrono::milliseconds(500));
}

TEST_F(SimTransportTest, RealTimeReadsWaitForTheTimeOut)
{
    link->setRealTime(true);
    sim->with([](SimState& s) { s.faults.config.silent = true; });
    std::unique_ptr<ISerialTransport> port = openPort(3, 200);
    const auto before = std::chrono::steady_clock::now();
    EXPECT_TRUE(exchange(*port, kDeviceInfoRequest, 4).empty());
    const auto waited = std::chrono::steady_clock::now() - before;
    EXPECT_GE(waited, std::chrono::milliseconds(195));
    EXPECT_LT(waited, std::chrono::milliseconds(1500));
}

TEST_F(SimTransportTest, PacedBytesTakeTheirWireTime)
{
    link->setPaced(true);
    link->setReplyDelayUs(2000);
    std::unique_ptr<ISerialTransport> port = openPort(3);
    const int64_t before = link->nowUs();
    const Bytes reply = exchange(*port, kDeviceInfoRequest, 40);
    ASSERT_EQ(40u, reply.size());
    // 14 request bytes, the think time, 40 reply bytes, 260 us each.
    EXPECT_EQ((14 + 40) * 260 + 2000, link->nowUs() - before);
}

TEST_F(SimTransportTest, SplitRepliesPauseMidway)
{
    link->setReplySplit(6, 100000);
    std::unique_ptr<ISerialTransport> port = openPort(3, 20);
    DWORD n = 0, got = 0;
    port->write(kDeviceInfoRequest.data(), static_cast<DWORD>(kDeviceInfoRequest.size()), &n);
    Bytes buffer(40);
    const int64_t before = link->nowUs();
    EXPECT_EQ(0u, port->read(buffer.data(), 40, &got));
    EXPECT_EQ(6u, got); // gave up after 20 + 40 ms, during the pause
    EXPECT_EQ(0u, port->read(buffer.data(), 34, &got));
    EXPECT_EQ(34u, got);
    EXPECT_EQ(100000, link->nowUs() - before);
}

TEST_F(SimTransportTest, PurgeDropsOnlyWhatHasArrived)
{
    std::unique_ptr<ISerialTransport> port = openPort(3);
    DWORD n = 0;
    port->write(kDeviceInfoRequest.data(), static_cast<DWORD>(kDeviceInfoRequest.size()), &n);
    EXPECT_EQ(0u, port->purgeIn());
    Bytes buffer(40);
    DWORD got = 0;
    port->read(buffer.data(), 40, &got);
    EXPECT_EQ(0u, got); // gone

    link->setPaced(true);
    port->write(kDeviceInfoRequest.data(), static_cast<DWORD>(kDeviceInfoRequest.size()), &n);
    EXPECT_EQ(0u, port->purgeIn()); // the reply is still on the wire
    port->read(buffer.data(), 40, &got);
    EXPECT_EQ(40u, got);
}

TEST_F(SimTransportTest, InjectedFailuresAndLineErrors)
{
    std::unique_ptr<ISerialTransport> port = openPort(3);
    link->failCalls(SimCall::Read, ERROR_GEN_FAILURE);
    Bytes buffer(4);
    DWORD got = 7;
    EXPECT_EQ(DWORD(ERROR_GEN_FAILURE), port->read(buffer.data(), 4, &got));
    EXPECT_EQ(0u, got);
    link->failCalls(SimCall::Read, 0);
    EXPECT_EQ(0u, port->read(buffer.data(), 4, &got));

    link->failCalls(SimCall::Open, ERROR_ACCESS_DENIED);
    EXPECT_EQ(DWORD(ERROR_ACCESS_DENIED), link->makeTransport()->open(4));
    link->failCalls(SimCall::Open, 0);

    link->injectLineErrors(CE_FRAME);
    DWORD errors = 0;
    EXPECT_EQ(0u, port->clearCommError(&errors));
    EXPECT_EQ(DWORD(CE_FRAME), errors);
    port->clearCommError(&errors);
    EXPECT_EQ(0u, errors);
}
