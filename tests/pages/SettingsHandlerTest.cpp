// The shared frame of the pages' settings handlers and their petrol procedure.

#include "PetrolProcedure.h"
#include "ProgramBusy.h"
#include "SettingsHandler.h"
#include "PageBench.h"
#include "ProcedureFaults.h"

#include <CLPGDevice.h>
#include <IError.h>
#include <UserInterface.h>

#include <gtest/gtest.h>

#include <algorithm>

using pagetest::PageBench;

namespace {

const wchar_t kCantWrite[] = L"Can't write settings to device!";

class SimpleError : public IError
{
public:
    SimpleError() : IError(5, L"here", __LINE__, L"test") { setMsgs(); }
    void setMsgs() override
    {
        IError::setMsgs();
        m_msgs.push_back(L"Broken on purpose.");
    }
};

bool raiseSwitchDelay(CSettingsRecord& r)
{
    return setIfChanged(r.m_base.m_switchDelay, r.m_base.m_switchDelay + 1);
}

} // namespace

TEST(SettingsHandler, WritesTheOneBlockOnlyWhenSomethingChanged)
{
    PageBench bench;
    bench.connect();
    std::vector<bool> cursor;
    setWaitCursorHook([&](bool shown) { cursor.push_back(shown); });
    runSettingsHandler(nullptr, L"CPage::OnA",
                       [] { changeSetting(nullptr, &CLPGDevice::writeBlock31, raiseSwitchDelay); });
    runSettingsHandler(nullptr, L"CPage::OnB", [] {
        changeSetting(nullptr, &CLPGDevice::writeBlock31, [](CSettingsRecord&) { return false; });
    });
    runSettingsHandler(
        nullptr, L"CPage::OnC", [] {}, false);
    setWaitCursorHook(nullptr);
    EXPECT_EQ((std::vector<int>{31}), bench.steps());
    EXPECT_EQ((std::vector<bool>{true, false, true, false}), cursor);
    EXPECT_TRUE(bench.sim.messages.empty());
}

TEST(SettingsHandler, NothingChangesWithoutAControllerOrInsideAProcedure)
{
    PageBench bench;
    bench.connect();
    const double before = bench.record().m_base.m_switchDelay;
    bench.device().m_connected = false;
    EXPECT_FALSE(changeSetting(nullptr, &CLPGDevice::writeBlock31, raiseSwitchDelay));
    bench.device().m_connected = true;
    {
        ProgramBusy busy;
        bool ran = false;
        runSettingsHandler(nullptr, L"CPage::OnA", [&] { ran = true; });
        EXPECT_FALSE(ran);
        EXPECT_EQ(nullptr, editableDevice());
    }
    EXPECT_EQ(before, bench.record().m_base.m_switchDelay);
    EXPECT_TRUE(bench.sim.requests().empty());

    // The check boxes that say so change the record all the same.
    bench.device().m_connected = false;
    changeSettingAlways(nullptr, &CLPGDevice::writeBlock31,
                        [](CSettingsRecord& r) { r.m_base.m_flags ^= 0x40; });
    EXPECT_NE(0, bench.record().m_base.m_flags & 0x40);
    EXPECT_TRUE(bench.sim.requests().empty());
}

// A locked controller is only asked: no change reaches its record or the
// line, also not the changes that an absent controller would let through.
TEST(SettingsHandler, LockedControllerTakesNoChange)
{
    PageBench bench;
    bench.connect();
    bench.record().m_devInfo.m_lockData[40] = 'K';
    const CSettingsRecord before = bench.record();
    EXPECT_TRUE(settingsLocked());
    EXPECT_EQ(nullptr, editableDevice());
    EXPECT_EQ(nullptr, changeableRecord());
    EXPECT_EQ(&bench.device(), readableDevice());
    EXPECT_FALSE(changeSetting(nullptr, &CLPGDevice::writeBlock31, raiseSwitchDelay));
    changeSettingAlways(nullptr, &CLPGDevice::writeBlock31,
                        [](CSettingsRecord& r) { r.m_base.m_flags ^= 0x40; });
    EXPECT_FALSE(writeSettingsBlock(nullptr, &CLPGDevice::writeBlock31));
    EXPECT_EQ(before.m_base.m_switchDelay, bench.record().m_base.m_switchDelay);
    EXPECT_EQ(before.m_base.m_flags, bench.record().m_base.m_flags);
    EXPECT_TRUE(bench.sim.requests().empty());
    EXPECT_TRUE(bench.sim.messages.empty());
}

TEST(SettingsHandler, FailuresAreSaidAndTheRecordKeepsTheChange)
{
    PageBench bench;
    bench.connect();
    bench.sim.with([](kwsim::SimState& s) { s.faults.config.silent = true; });
    runSettingsHandler(nullptr, L"CPage::OnA",
                       [] { changeSetting(nullptr, &CLPGDevice::writeBlock31, raiseSwitchDelay); });
    ASSERT_EQ(1u, bench.sim.messages.size());
    EXPECT_EQ(kCantWrite, bench.sim.messages[0].text);
    EXPECT_EQ(L"Kestrelwave", bench.sim.messages[0].caption);
    EXPECT_EQ(unsigned(MB_ICONERROR), bench.sim.messages[0].flags);

    bench.sim.messages.clear();
    runSettingsHandler(nullptr, L"CPage::OnBroken", [] { throw static_cast<IError*>(new SimpleError); });
    ASSERT_EQ(1u, bench.sim.messages.size());
    EXPECT_EQ(0u, bench.sim.messages[0].text.find(L"CPage::OnBroken()\n"));
    EXPECT_NE(std::wstring::npos, bench.sim.messages[0].text.find(L"Broken on purpose."));
    EXPECT_EQ(unsigned(MB_OK), bench.sim.messages[0].flags);
}

TEST(PetrolProcedure, PetrolWriteResetThenBackToGas)
{
    PageBench bench;
    bench.connect();
    bench.liveMode(3);
    // Its waits pump messages: the busy flag keeps other actions out meanwhile.
    bool busyInside = false;
    setMessagePumpHook([&] { busyInside = busyInside || ProgramBusy::isSet(); });
    EXPECT_TRUE(runPetrolProcedure(nullptr, bench.device(), &CLPGDevice::writeBlock26));
    setMessagePumpHook(nullptr);
    EXPECT_TRUE(busyInside);
    EXPECT_FALSE(ProgramBusy::isSet());
    EXPECT_EQ((std::vector<int>{1002, 1036, 26, 1002, 1036, 1010, 1003}), bench.steps());

    // On petrol before: it stays there.
    bench.sim.clearRequests();
    bench.liveMode(2);
    EXPECT_TRUE(runPetrolProcedure(nullptr, bench.device(), &CLPGDevice::writeBlock26));
    EXPECT_EQ((std::vector<int>{1002, 1036, 26, 1002, 1036, 1010}), bench.steps());
}

TEST(PetrolProcedure, AFailedStepHandsTheControllerBackOrSaysWhatIsLeft)
{
    PageBench bench;
    bench.connect();
    bench.liveMode(3);
    // A refused write: no restart, the controller back to its own switching.
    bench.sim.with([](kwsim::SimState& s) { s.refusedBlocks.insert(26); });
    EXPECT_FALSE(
        runPetrolProcedure(nullptr, bench.device(), &CLPGDevice::writeBlock26, L"Can't reset LPG device!"));
    EXPECT_EQ(std::vector<std::wstring>{kCantWrite}, bench.sim.texts());
    std::vector<int> steps = bench.steps();
    EXPECT_EQ(0, std::count(steps.begin(), steps.end(), 1010));
    EXPECT_EQ(1003, steps.back());

    // A controller gone quiet: nothing goes through, and the message says
    // where it stays.
    bench.sim.messages.clear();
    bench.sim.clearRequests();
    bench.sim.with([](kwsim::SimState& s) { s.faults.config.silent = true; });
    EXPECT_FALSE(
        runPetrolProcedure(nullptr, bench.device(), &CLPGDevice::writeBlock26, L"Can't reset LPG device!"));
    EXPECT_EQ((std::vector<std::wstring>{kCantWrite, L"Can't hand the controller back - it stays on petrol"}),
              bench.sim.texts());
    steps = bench.steps();
    EXPECT_EQ(0, std::count(steps.begin(), steps.end(), 1010));
}

// Every way out of a petrol procedure, at each of its requests: the
// controller goes back to its own switching on gas; only the block the
// procedure was to write may have changed.
TEST(PetrolProcedure, EveryExitHandsTheControllerBack)
{
    using kwtest::Exit;
    uitest::FastWaitClock clock(1000);
    const auto connect = [](PageBench& bench) {
        bench.connect();
        bench.liveMode(3);
    };
    const auto run = [](PageBench& bench) {
        bench.record().m_advancedSetup.m_advancedFlags ^= 0x10;
        runPetrolProcedure(nullptr, bench.device(), &CLPGDevice::writeBlock26);
    };
    int requests = 0;
    {
        PageBench bench;
        connect(bench);
        run(bench);
        requests = kwtest::procedureRequests(bench.sim.requests());
    }
    ASSERT_GE(requests, 5);
    for (Exit exit : {Exit::Refused, Exit::PortFails, Exit::Closed})
        for (int n = 1; n <= requests; ++n) {
            SCOPED_TRACE(std::string(kwtest::exitName(exit)) + " at request " + std::to_string(n));
            PageBench bench;
            connect(bench);
            const kwtest::ControllerState before = kwtest::ControllerState::of(bench.sim);
            {
                kwtest::ProcedureFault fault(bench.sim, exit, n);
                setMessagePumpHook([&] { fault.deliver(); });
                try {
                    run(bench);
                } catch (IError* error) {
                    delete error; // the page's handler reports it
                }
                setMessagePumpHook(nullptr);
                EXPECT_TRUE(fault.hit());
            }
            EXPECT_EQ(
                std::vector<std::string>(),
                kwtest::handBackDifferences(before, kwtest::ControllerState::of(bench.sim), {{26, {}}}, 4));
            EXPECT_EQ(std::vector<std::wstring>(), kwtest::leftMessages(bench.sim));
        }
}
