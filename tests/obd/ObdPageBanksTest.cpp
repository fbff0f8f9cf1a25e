// The "Detect" button of the petrol OBD page, on a six-cylinder car whose
// trims follow the gas corrections.

#include "COBDMPDlg.h"
#include "ObdPageIds.h"
#include "PageBench.h"
#include "ShellIds.h"
#include "ProgramBusy.h"

#include <UserInterface.h>

#include <gtest/gtest.h>

using namespace pagetest;

namespace {

// Injectors 2, 4 and 6 feed bank 2; the correction runs separate per bank.
kwsim::SimConfig vSix()
{
    kwsim::SimConfig c;
    c.obdModule = true;
    c.cylinders = 6;
    c.blocks[18] = {0xDF, 0x07, 0, 0, 0xE8, 0x07, 0, 0, 1, 2, 8, 3};
    c.blocks[27] = {0x07, 10, 15, 0, 100, 100, 0x40, 0x25, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    c.blocks[15] = {200, 0, 225, 0, 250, 0, 19, 1, 44, 1, 69, 1, 94, 1, 119, 1};
    c.ecus[0].supportedPids = {0x06, 0x07, 0x08, 0x09};
    c.car.fitted = true;
    c.car.bank2Injectors = 0x2A;
    return c;
}

} // namespace

// The run holds the busy flag: a bank box clicked in its waits does nothing,
// while the page's timer keeps polling the trims it measures.
TEST(ObdPageBanks, DetectChecksTheFoundBanksAndPutsTheCorrectionsBack)
{
    PageBench bench(vSix());
    bench.connect();
    CLPGDevice& dev = bench.device();
    ASSERT_TRUE(dev.detect());
    auto page = bench.makePage<COBDMPDlg>(IDD_OBD_PAGE);
    ASSERT_TRUE(visible(*page, IDC_OBD_DETECT));
    bench.sim.clearRequests();

    uitest::ModalHook hook([](CDialog& d) { d.EndDialog(IDOK); });
    int pumps = 0, busyPumps = 0;
    uint32_t sequence = 0;
    setMessagePumpHook([&] {
        ++pumps;
        busyPumps += ProgramBusy::isSet();
        CDiag sample;
        if (dev.readDiagSample(sample) == 0) {
            sample.setSequence(++sequence);
            dev.m_diagData.push(sample);
        }
        page->v_onTimer();
        click(*page, IDC_OBD_BANK_BOX_FIRST + 1); // refused: injector 1 stays on bank 1
    });
    click(*page, IDC_OBD_DETECT);
    setMessagePumpHook(nullptr);

    EXPECT_GT(pumps, 0);
    EXPECT_EQ(pumps, busyPumps);
    EXPECT_TRUE(bench.messages().empty());
    EXPECT_EQ(0xEA, bench.sim.block(27)[3]);
    int writes27 = 0;
    for (int cmd : bench.writes())
        writes27 += cmd == 27;
    EXPECT_EQ(1, writes27);
    for (int i = 0; i < 6; ++i) {
        const bool bank2 = i % 2 == 1;
        EXPECT_EQ(!bank2, checked(*page, IDC_OBD_BANK_BOX_FIRST + 2 * i)) << i;
        EXPECT_EQ(bank2, checked(*page, IDC_OBD_BANK_BOX_FIRST + 2 * i + 1)) << i;
    }
    EXPECT_EQ(vSix().blocks[15], bench.sim.block(15));
    // Forced gas for the run, handed back to the controller's switching after it.
    std::vector<std::string> switches;
    for (const std::string& request : bench.traffic())
        if (request == "2/1" || request == "2/2" || request == "2/3")
            switches.push_back(request);
    EXPECT_EQ((std::vector<std::string>{"2/1", "2/3"}), switches);
}
