// The reading thread against kwsim on a real COM port (a pty pair).
#include "KwSimProcess.h"
#include "MessageBoxRecorder.h"
#include "ProbedTransport.h"

#include <CDiagRSThread.h>
#include <CLPGDevice.h>

#include <Sendrel.h>

#include <gtest/gtest.h>

#include <share.h>

#include <cstdio>
#include <functional>
#include <memory>
#include <sstream>

namespace {

const std::wstring kNoRecording = L"\\";

bool waitFor(const std::function<bool()>& done, DWORD timeoutMs)
{
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    while (!done()) {
        if (GetTickCount64() > deadline)
            return false;
        Sleep(10);
    }
    return true;
}

std::vector<CDiag> storedSamples(CDiagData& store)
{
    std::vector<CDiag> samples;
    store.copyRange(samples, 0, CDiagData::kMaxHeld + 1);
    return samples;
}

// Numbered 1, 2, 3... as one thread numbers them.
bool numberedFromOne(const std::vector<CDiag>& samples)
{
    for (size_t i = 0; i < samples.size(); ++i)
        if (samples[i].getSequence() != i + 1)
            return false;
    return true;
}

// Nobody, no thread of ours either, still has the file open.
bool fileClosed(const std::wstring& path)
{
    FILE* file = _wfsopen(path.c_str(), L"r", _SH_DENYRW);
    if (file)
        fclose(file);
    return file != nullptr;
}

std::vector<std::string> textLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line + "\n");
    return lines;
}

class LiveThreadOnPort : public ::testing::Test
{
protected:
    void SetUp() override { g_diagFailureCount = 0; }
    void TearDown() override { device.reset(); }

    // The controller object on the program side of kwsim's line.
    void connect(const std::wstring& simOptions)
    {
        ASSERT_TRUE(sim.start(simOptions));
        device = std::make_unique<CLPGDevice>();
        openControllerLine(device->m_port, sim.programPort());
        device->m_connected = true;
    }

    bool start(const std::wstring& path = kNoRecording)
    {
        return device->m_diagThread.start(manager, &device->m_diagData, path);
    }

    kwtest::MessageBoxRecorder boxes;
    kwtest::TempDir dir;
    kwtest::KwSimProcess sim;
    CMultiThread manager;
    std::unique_ptr<CLPGDevice> device;
};

} // namespace

TEST_F(LiveThreadOnPort, FillsTheStoreAboutTenTimesASecond)
{
    connect(L"");
    device->m_diagData.push(CDiag()); // a new thread starts from an empty store
    ASSERT_TRUE(start());
    Sleep(3000);
    EXPECT_TRUE(device->m_diagThread.stop());
    const std::vector<CDiag> samples = storedSamples(device->m_diagData);
    EXPECT_GE(samples.size(), 18u); // 100 ms and a transaction per sample, on a busy machine
    EXPECT_LE(samples.size(), 31u);
    EXPECT_TRUE(numberedFromOne(samples));
    for (const CDiag& s : samples)
        EXPECT_TRUE(s.getMode() == CDiag::kModePetrol || s.getMode() == CDiag::kModeGas);
    EXPECT_TRUE(device->m_connected);
}

TEST_F(LiveThreadOnPort, RecordsOneExactLinePerStoredSample)
{
    connect(L"--cylinders 8");
    const std::wstring path = dir.file(L"live.osc");
    ASSERT_TRUE(start(path));
    ASSERT_TRUE(waitFor([&] { return device->m_diagData.count() >= 15; }, 5000));
    EXPECT_TRUE(device->m_diagThread.stop());

    const std::string text = kwtest::readFileBytes(path);
    EXPECT_EQ(std::string::npos, text.find("\n\n"));
    std::string unix;
    for (char c : text)
        if (c != '\r')
            unix += c;
    EXPECT_EQ(text.size(), unix.size() + std::count(unix.begin(), unix.end(), '\n')); // CR LF each
    const std::vector<std::string> lines = textLines(unix);
    const std::vector<CDiag> samples = storedSamples(device->m_diagData);
    ASSERT_EQ(samples.size(), lines.size());
    const double noObd[kOscObdValues] = {};
    for (size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(formatOscLine(samples[i], noObd), lines[i]) << i;
        EXPECT_EQ(31, std::count(lines[i].begin(), lines[i].end(), '\t'));
    }
}

TEST_F(LiveThreadOnPort, TenFailedReadsInARowAreBorne)
{
    connect(L"--bad-checksum-run 3:10");
    ASSERT_TRUE(start());
    ASSERT_TRUE(waitFor([&] { return sim.requestCount() >= 20; }, 8000));
    EXPECT_TRUE(device->m_diagThread.isRunning());
    EXPECT_TRUE(device->m_diagThread.stop());
    EXPECT_TRUE(device->m_connected);
    const std::vector<CDiag> samples = storedSamples(device->m_diagData);
    EXPECT_GE(samples.size(), 10u);
    EXPECT_TRUE(numberedFromOne(samples));
}

TEST_F(LiveThreadOnPort, TheEleventhFailedReadEndsTheThread)
{
    connect(L"--bad-checksum-run 3:11");
    ASSERT_TRUE(start(dir.file(L"short.osc")));
    ASSERT_TRUE(waitFor([&] { return !device->m_diagThread.isRunning(); }, 8000));
    EXPECT_EQ(14u, sim.requestCount());
    EXPECT_EQ(0, device->m_diagData.count());
    EXPECT_FALSE(device->m_connected);
    EXPECT_TRUE(fileClosed(dir.file(L"short.osc")));
    EXPECT_EQ(3u, textLines(kwtest::readFileBytes(dir.file(L"short.osc"))).size());
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(LiveThreadOnPort, APortErrorIsMendedByReopeningAfter700ms)
{
    kwtest::ProbeInstall line;
    connect(L"");
    ASSERT_TRUE(start());
    ASSERT_TRUE(waitFor([&] { return device->m_diagData.count() >= 5; }, 5000));
    line.probe->armReadFailure();
    ASSERT_TRUE(waitFor([&] { return line.probe->opens().size() >= 2; }, 5000));
    const ULONGLONG pause = line.probe->opens().back() - line.probe->failureTime();
    EXPECT_GE(pause, 690u); // the tick count is coarse
    EXPECT_LT(pause, 1500u);

    const int before = device->m_diagData.count();
    ASSERT_TRUE(waitFor([&] { return device->m_diagData.count() >= before + 5; }, 5000));
    EXPECT_TRUE(device->m_diagThread.stop());
    EXPECT_TRUE(numberedFromOne(storedSamples(device->m_diagData)));
    EXPECT_TRUE(device->m_connected);
    EXPECT_TRUE(boxes.shown.empty());
}

// Every round outlasts the old fixed 500 ms wait: a stop must wait for the
// thread itself.
TEST_F(LiveThreadOnPort, StopAndRestartFiftyTimesAgainstASlowController)
{
    connect(L"--reply-delay 800");
    for (int i = 0; i < 50; ++i) {
        const std::wstring path = dir.file(L"run" + std::to_wstring(i) + L".osc");
        const size_t before = sim.requestCount();
        ASSERT_TRUE(start(path)) << i;
        ASSERT_TRUE(waitFor([&] { return sim.requestCount() > before; }, 3000)) << i;
        const ULONGLONG asked = GetTickCount64();
        ASSERT_TRUE(device->m_diagThread.stop()) << i;
        EXPECT_GE(GetTickCount64() - asked, 470u) << i; // the tick count is coarse
        EXPECT_FALSE(device->m_diagThread.isRunning()) << i;
        EXPECT_TRUE(fileClosed(path)) << i;
        EXPECT_TRUE(numberedFromOne(storedSamples(device->m_diagData))) << i;
    }
}

TEST_F(LiveThreadOnPort, TheControllerGoesOnlyAfterItsThread)
{
    connect(L"--reply-delay 800");
    const std::wstring path = dir.file(L"last.osc");
    ASSERT_TRUE(start(path));
    ASSERT_TRUE(waitFor([&] { return sim.requestCount() > 0; }, 3000));
    device.reset(); // a transaction is in flight
    EXPECT_TRUE(fileClosed(path));
    EXPECT_EQ(nullptr, g_pDevice);
}
