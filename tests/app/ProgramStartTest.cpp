// Kestrelwave.exe under Wine against kwsim.exe on a COM port: the request
// log of the simulator is the oracle, the windows are read from outside.

#include "KwSimProcess.h"
#include "ProgramRun.h"
#include "RawPort.h"
#include "SimController.h"
#include "TempDir.h"
#include "WindowShot.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace {

using kwtest::ProgramRun;
using kwtest::waitUntil;

const unsigned kStartMs = 90000;
const int kLiveSample = 36;

std::vector<kwsim::SimRequest> requestsOf(const kwtest::KwSimProcess& sim)
{
    return sim.requests();
}

// "cmd/selector" of each request before the first live sample.
std::vector<std::string> startUpRequests(const std::vector<kwsim::SimRequest>& requests)
{
    std::vector<std::string> names;
    for (const kwsim::SimRequest& r : requests) {
        if (r.cmd == 2 && r.selector == kLiveSample)
            break;
        names.push_back(std::to_string(r.cmd) + "/" + (r.selector < 0 ? "-" : std::to_string(r.selector)));
    }
    return names;
}

size_t liveSamples(const kwtest::KwSimProcess& sim)
{
    size_t count = 0;
    for (const kwsim::SimRequest& r : requestsOf(sim))
        count += r.cmd == 2 && r.selector == kLiveSample;
    return count;
}

// The settings read of a controller of version 790, in order.
const std::vector<std::string> kReadEverything = {
    "2/204", "2/13", "2/42", "2/7",  "2/8",  "2/22", "2/12", "2/14", "2/11", "2/11", "2/11", "2/11",
    "2/11",  "2/11", "2/11", "2/11", "2/11", "2/34", "2/43", "2/44", "2/45", "2/21", "2/30", "2/48"};

// A curve (block 7) and point tables of petrol and gas (blocks 28, 29), so
// that the auto-mapping page has something to show.
std::wstring autoMappingBlocks()
{
    auto hex = [](const std::vector<uint8_t>& bytes) {
        std::wstring text;
        for (uint8_t b : bytes)
            text += L"0123456789ABCDEF"[b >> 4], text += L"0123456789ABCDEF"[b & 15];
        return text;
    };
    std::vector<uint8_t> curve(40, 0);
    for (int row = 0; row < 39; ++row)
        curve[row] = uint8_t(100 + int(8 * std::sin(row / 6.0)));
    std::wstring args = L" --block 7:" + hex(curve);
    for (int block : {28, 29}) {
        std::vector<uint8_t> table(188, 0);
        for (int cell = 2; cell <= 24; ++cell) {
            kwsim::putU32(table, 4 * cell,
                          uint32_t((2.0 + cell * 0.3) * (block == 29 ? 1.1 : 1.0) / 0.004 * 20));
            kwsim::putU16(table, 124 + 2 * cell, 20);
        }
        kwsim::putU16(table, 186, block == 28 ? 18000 : 9000);
        args += L" --block " + std::to_wstring(block) + L":" + hex(table);
    }
    return args;
}

// Template ids of the twelve pages in the host's order.
const int kPages[12] = {316, 315, 326, 318, 317, 319, 320, 321, 312, 322, 323, 327};

const int kObdPage = 312;
const int kObdReadButton = 1194;
const int kObdAdvancedButton = 1207;
const uint8_t kObdRelay = 25;

// The service bytes of each relayed OBD request: the single frame's length
// byte tells how many follow.
std::vector<std::vector<uint8_t>> obdServices(const kwtest::KwSimProcess& sim)
{
    std::vector<std::vector<uint8_t>> services;
    for (const kwsim::SimRequest& r : requestsOf(sim))
        if (r.cmd == kObdRelay && r.payload.size() == 20 && r.payload[12] <= 7)
            services.emplace_back(r.payload.begin() + 13, r.payload.begin() + 13 + r.payload[12]);
    return services;
}

// "Load" on the petrol OBD page: the count, the stored and the pending
// codes asked in that order, between the page's own trim polls.
bool readObdCodes(ProgramRun& program, const kwtest::KwSimProcess& sim)
{
    const size_t before = obdServices(sim).size();
    PostMessageW(program.page(kObdPage), WM_COMMAND, MAKEWPARAM(kObdReadButton, BN_CLICKED), 0);
    std::vector<std::vector<uint8_t>> asked;
    auto codeRequests = [&] {
        asked.clear();
        const std::vector<std::vector<uint8_t>> all = obdServices(sim);
        for (size_t i = before; i < all.size(); ++i) {
            const bool trimPoll = all[i].size() == 2 && all[i][0] == 0x01 && all[i][1] != 0x01;
            if (!trimPoll)
                asked.push_back(all[i]);
        }
        return asked.size() >= 3;
    };
    return waitUntil(codeRequests, 10000) &&
           asked == std::vector<std::vector<uint8_t>>{{0x01, 0x01}, {0x03}, {0x07}};
}

// The OBD advanced dialog opened from the page, kept as a picture, closed.
bool showObdAdvanced(ProgramRun& program)
{
    PostMessageW(program.page(kObdPage), WM_COMMAND, MAKEWPARAM(kObdAdvancedButton, BN_CLICKED), 0);
    HWND dialog = nullptr;
    if (!waitUntil(
            [&] {
                return (dialog = windowshot::findDialogBox(L"Advanced", program.child().id())) != nullptr;
            },
            10000))
        return false;
    Sleep(500);
    const bool saved = windowshot::savePng(dialog, kwtest::ChildProcess::programFolder() +
                                                       L"..\\screenshots\\dialog-obd-advanced.png");
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), LPARAM(GetDlgItem(dialog, IDOK)));
    return waitUntil([&] { return !IsWindow(dialog); }, 10000) && saved;
}

} // namespace

TEST(Program, StartsConnectsShowsEveryPageAndClosesCleanly)
{
    kwtest::KwSimProcess sim;
    // An OBD module with its link switched on (block 18: ids 7DF and 7E8,
    // enabled) and a PC-connection log without a first connection yet.
    ASSERT_TRUE(sim.start(L"--version 790 --obd-module --block 18:DF070000E807000001020803 --block 19:" +
                          std::wstring(168, L'0') + autoMappingBlocks()));
    ProgramRun program;
    ASSERT_TRUE(program.start(sim.programPort()));
    ASSERT_TRUE(program.waitMainWindow(kStartMs));
    ASSERT_TRUE(program.waitConnectionCaption(L"Connected", kStartMs))
        << "caption: " << program.connectionCaption();

    // Everything read in order, then the OBD set-up and the relayed
    // detection, then live samples.
    ASSERT_TRUE(waitUntil([&] { return liveSamples(sim) > 0; }, 20000));
    const std::vector<std::string> startUp = startUpRequests(requestsOf(sim));
    ASSERT_GE(startUp.size(), kReadEverything.size());
    EXPECT_EQ(kReadEverything,
              std::vector<std::string>(startUp.begin(), startUp.begin() + kReadEverything.size()));
    const std::vector<std::string> obd(startUp.begin() + kReadEverything.size(), startUp.end());
    ASSERT_GE(obd.size(), 3u);
    EXPECT_EQ("2/27", obd[0]);
    EXPECT_EQ("2/35", obd[1]);
    EXPECT_EQ("25/-", obd[2]);

    // About ten samples a second.
    const size_t before = liveSamples(sim);
    Sleep(3000);
    const size_t perThreeSeconds = liveSamples(sim) - before;
    EXPECT_GE(perThreeSeconds, 10u);
    EXPECT_LE(perThreeSeconds, 35u);

    for (int id : kPages)
        EXPECT_TRUE(program.page(id)) << "page " << id;
    EXPECT_TRUE(program.screenshot(L"connected"));
    // Every page of the tree in the tree's order, then the 3D map through
    // the host's page key (it has no tree item).
    const wchar_t* const treePages[] = {
        L"base-settings",    L"petrol-change", L"sensors",          L"additional-settings",
        L"auto-calibration", L"auto-mapping",  L"rpm-map",          L"oscilloscope",
        L"petrol-obd",       L"ecu-info",      L"credit-inspection"};
    const int treePageIds[] = {316, 315, 323, 326, 318, 317, 319, 321, 312, 322, 327};
    for (int i = 0; i < 11; ++i) {
        ASSERT_TRUE(program.selectTreeItem(i)) << i;
        EXPECT_TRUE(waitUntil([&] { return IsWindowVisible(program.page(treePageIds[i])) != FALSE; }, 5000))
            << treePages[i];
        if (treePageIds[i] == kObdPage) {
            EXPECT_TRUE(readObdCodes(program, sim));
            EXPECT_TRUE(showObdAdvanced(program));
        }
        EXPECT_TRUE(program.screenshot(std::wstring(L"page-") + treePages[i]));
    }
    PostMessageW(program.page(327), WM_KEYDOWN, VK_F7, 0);
    EXPECT_TRUE(waitUntil([&] { return IsWindowVisible(program.page(320)) != FALSE; }, 5000));
    EXPECT_TRUE(program.screenshot(L"page-rpm-map-3d"));

    // The oscilloscope running live, then a recording read back ("Start",
    // then "Otwórz"); the value boxes follow the cursor in playback.
    ASSERT_TRUE(program.selectTreeItem(7));
    HWND oscilloscope = program.page(321);
    PostMessageW(oscilloscope, WM_COMMAND, MAKEWPARAM(1083, BN_CLICKED), 0);
    Sleep(3000);
    EXPECT_TRUE(program.screenshot(L"page-oscilloscope-live"));
    kwtest::TempDir recordings;
    std::string recording;
    for (int n = 0; n < 400; ++n) {
        recording += std::to_string(n % 100 < 50 ? 3 : 2) + "\t" + std::to_string(800 + n * 10);
        for (int c = 0; c < 8; ++c)
            recording +=
                "\t" + std::to_string(2 + (n + c) % 30 / 5.0) + "\t" + std::to_string(2.5 + n % 20 / 4.0);
        recording += "\t" + std::to_string(100 + n % 50) + "\t35\t40\t80\t0.8\t0.2\t0\t0\t0\t0\t0\t0\t0\t0\n";
    }
    ASSERT_TRUE(kwtest::writeFileBytes(recordings.file(L"TRIP.OSC"), recording));
    PostMessageW(oscilloscope, WM_COMMAND, MAKEWPARAM(1001, BN_CLICKED), 0);
    EXPECT_TRUE(program.answerOpenFile(recordings.file(L"TRIP.OSC"), 10000));
    Sleep(500);
    EXPECT_TRUE(program.screenshot(L"page-oscilloscope-recording"));

    // Closing while live data runs: the thread ends, this first connection
    // is recorded in block 19, the line goes quiet and the port is free.
    EXPECT_EQ(0, program.close(30000));
    const std::vector<kwsim::SimRequest> all = requestsOf(sim);
    EXPECT_EQ(1,
              std::count_if(all.begin(), all.end(), [](const kwsim::SimRequest& r) { return r.cmd == 19; }));
    const size_t atExit = sim.requestCount();
    Sleep(1000);
    EXPECT_EQ(atExit, sim.requestCount());
    kwtest::RawPort port(sim.programPort(), 100);
    EXPECT_TRUE(port.ok());
}

TEST(Program, WithoutControllerSaysSoAndBuildsThePages)
{
    kwtest::PtyPair silentLine;
    ASSERT_TRUE(silentLine.ok());
    ProgramRun program;
    ASSERT_TRUE(program.start(silentLine.programPort()));
    EXPECT_EQ(L"NO CONNECTION", program.answerMessageBox(IDOK, kStartMs));
    ASSERT_TRUE(program.waitMainWindow(kStartMs));
    EXPECT_TRUE(program.waitConnectionCaption(L"DEMO - Not Connected", 20000)) << program.connectionCaption();
    for (int id : kPages) {
        EXPECT_TRUE(program.page(id)) << "page " << id;
        EXPECT_TRUE(IsWindowEnabled(program.page(id))) << "page " << id;
    }
    EXPECT_TRUE(program.screenshot(L"demo"));
    EXPECT_EQ(0, program.close(30000));
}
