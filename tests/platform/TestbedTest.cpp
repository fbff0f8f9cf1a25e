#include "PtyPair.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

namespace {
HANDLE openPort(int port)
{
    HANDLE h = CreateFileW(kwtest::PtyPair::deviceName(port).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                           OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return h;
    COMMTIMEOUTS timeouts{0, 1, 1000, 0, 1000};
    SetCommTimeouts(h, &timeouts);
    return h;
}
} // namespace

// The test bed itself: a pty pair joins two COM ports of the Wine prefix.
TEST(Testbed, PtyPairJoinsTwoComPorts)
{
    kwtest::PtyPair pair;
    ASSERT_TRUE(pair.ok());
    HANDLE a = openPort(pair.programPort());
    HANDLE b = openPort(pair.peerPort());
    ASSERT_NE(INVALID_HANDLE_VALUE, a);
    ASSERT_NE(INVALID_HANDLE_VALUE, b);

    DCB dcb{};
    dcb.DCBlength = sizeof dcb;
    ASSERT_TRUE(GetCommState(a, &dcb));
    dcb.BaudRate = 38400;
    dcb.ByteSize = 8;
    EXPECT_TRUE(SetCommState(a, &dcb));

    DWORD n = 0;
    WriteFile(a, "ping", 4, &n, nullptr);
    char buf[8] = {};
    DWORD got = 0;
    ASSERT_TRUE(ReadFile(b, buf, 4, &got, nullptr));
    EXPECT_EQ(4u, got);
    EXPECT_EQ(std::string("ping"), std::string(buf, got));
    CloseHandle(a);
    CloseHandle(b);
}

TEST(Testbed, TwoPairsGetDifferentPorts)
{
    kwtest::PtyPair first, second;
    ASSERT_TRUE(first.ok());
    ASSERT_TRUE(second.ok());
    EXPECT_NE(first.programPort(), second.programPort());
}
