#include "CLPGDevice.h"
#include "KwSimProcess.h"
#include "MessageBoxRecorder.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

// The controller object on a real COM port of this Wine prefix, with the
// simulated controller program on the other end of the line.
TEST(ControllerLine, ConnectAndReadEverythingOverAComPort)
{
    kwtest::KwSimProcess sim;
    ASSERT_TRUE(sim.start(L"--version 789 --hardware 0"));

    kwtest::MessageBoxRecorder boxes;
    writeLastPortNr(sim.programPort());
    CLPGDevice device;
    device.connect();

    EXPECT_TRUE(device.m_connected);
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(unsigned(sim.programPort()), device.m_port.portNr());
    const CDevInfo& info = device.m_settings.m_devInfo;
    EXPECT_EQ(789, info.m_version);
    EXPECT_EQ(L"KESTRELWAVE2", info.m_deviceName);
    EXPECT_EQ(L"KWS1000123456", info.m_serial);
    EXPECT_EQ(1200.0, device.m_settings.m_base.m_switchRPM);
    // Every block of a 789 controller, the map in nine chunks.
    const std::string requests = sim.log();
    std::vector<std::string> selectors;
    for (size_t at = 0; at < requests.size();) {
        const size_t end = requests.find('\n', at);
        const std::string line = requests.substr(at, end - at);
        selectors.push_back(line.substr(line.find(' ') + 1, line.rfind(' ') - line.find(' ') - 1));
        at = end == std::string::npos ? requests.size() : end + 1;
    }
    const std::vector<std::string> expected = {"204", "13", "42", "7",  "8",  "22", "12", "14",
                                               "11",  "11", "11", "11", "11", "11", "11", "11",
                                               "11",  "34", "43", "44", "45", "21", "30", "48"};
    EXPECT_EQ(expected, selectors);
    device.m_port.close();
}
