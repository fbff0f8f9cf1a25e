#include "SimBench.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using namespace kwsim;
using Bytes = std::vector<uint8_t>;

namespace {
const uint8_t kObdRequest = 25;
const uint32_t k29BitRequest = 0x18DB33F1;

Bytes moduleSettings(uint32_t requestId, uint8_t enable)
{
    Bytes b(12, 0);
    putU32(b, 0, requestId);
    b[8] = enable;
    b[9] = 2;  // 500 kb/s
    b[10] = 8; // time-out
    b[11] = 3; // CAN
    return b;
}

struct ObdDiagnostic : ::testing::Test
{
    kwtest::SimBench bench{config()};
    CLPGDevice& dev = *bench.device;
    std::vector<MessageBoxRequest>& boxes = bench.messages;

    static SimConfig config()
    {
        SimConfig c;
        c.obdModule = true;
        c.blocks[18] = moduleSettings(0x7DF, 1);
        return c;
    }

    ObdDiagnostic()
    {
        bench.open();
        EXPECT_TRUE(dev.readAllSettings());
        sim().clearRequests();
    }

    SimController& sim() { return *bench.sim; }
    template <class F> void change(F&& f) { sim().with(std::forward<F>(f)); }
    void setEcuValue(uint8_t pid, Bytes value)
    {
        change([&](SimState& s) { s.obd.ecus[0].fixedValues[pid] = value; });
    }

    // The relayed requests since the last look.
    std::vector<Bytes> relayed()
    {
        std::vector<Bytes> out;
        for (const SimRequest& r : sim().requests())
            if (r.cmd == kObdRequest)
                out.push_back(r.payload);
        sim().clearRequests();
        return out;
    }
    std::vector<bool> enabled() const
    {
        std::vector<bool> out;
        for (const CObdDiagnostic::CPidEntry& e : dev.m_pids)
            out.push_back(e.enabled);
        return out;
    }
};

// Request id, responder id, mask and the three data bytes of a relayed request.
struct Relayed
{
    uint32_t requestId, responderId, mask;
    uint8_t pid;
};

Relayed parse(const Bytes& r)
{
    EXPECT_EQ(r.size(), 20u);
    EXPECT_EQ(r[12], 2);
    EXPECT_EQ(r[13], 1);
    for (size_t i = 15; i < r.size(); ++i)
        EXPECT_EQ(r[i], 0) << i;
    return {getU32(r, 0), getU32(r, 4), getU32(r, 8), r[14]};
}

Bytes requestedPids(const std::vector<Bytes>& requests)
{
    Bytes pids;
    for (const Bytes& r : requests)
        pids.push_back(parse(r).pid);
    return pids;
}
} // namespace

TEST(ObdIds, DefaultsFollowTheWidthOfTheRequestId)
{
    EXPECT_EQ(CObdDiagnostic::defaultResponseId(0x7DF, 0), 0x7E8u);
    EXPECT_EQ(CObdDiagnostic::defaultResponseId(0x7FF, 0), 0x7E8u);
    EXPECT_EQ(CObdDiagnostic::defaultResponseId(0x800, 0), 0x18DAF100u);
    EXPECT_EQ(CObdDiagnostic::defaultResponseId(0x7DF, 0x7E9), 0x7E9u);
    EXPECT_EQ(CObdDiagnostic::defaultResponseId(k29BitRequest, 0x18DAF110), 0x18DAF110u);
    EXPECT_EQ(CObdDiagnostic::responseMask(0x7DF, 0), 0x7EFu);
    EXPECT_EQ(CObdDiagnostic::responseMask(0x7FF, 0x7E9), 0x7EFu);
    EXPECT_EQ(CObdDiagnostic::responseMask(k29BitRequest, 0), 0x18DAF100u);
    EXPECT_EQ(CObdDiagnostic::responseMask(k29BitRequest, 0x18DAF110), 0x18DAF1FFu);
}

TEST(ObdValues, TrimsAndOxygenVoltagesFormatted)
{
    CLPGDevice dev;
    auto format = [&](uint8_t a, unsigned index) {
        const unsigned char data[8] = {3, 0x41, 0x06, a, 0, 0, 0, 0};
        return dev.formatValue(data, index);
    };
    for (unsigned trim = 0; trim < 4; ++trim) {
        EXPECT_EQ(format(128, trim), L"0.00");
        EXPECT_EQ(format(0, trim), L"-100.00");
        EXPECT_EQ(format(255, trim), L"99.22");
        EXPECT_EQ(format(160, trim), L"25.00");
    }
    // Bit 0 turns the short-term trims (entries 0, 2), bit 1 the long-term ones.
    dev.m_settings.m_obdAdvSetup.obd_adv_flag = 0x01;
    EXPECT_EQ(format(160, 0), L"-25.00");
    EXPECT_EQ(format(160, 1), L"25.00");
    EXPECT_EQ(format(160, 2), L"-25.00");
    EXPECT_EQ(format(160, 3), L"25.00");
    dev.m_settings.m_obdAdvSetup.obd_adv_flag = 0x02;
    EXPECT_EQ(format(160, 0), L"25.00");
    EXPECT_EQ(format(160, 1), L"-25.00");
    EXPECT_EQ(format(0, 3), L"100.00");
    dev.m_settings.m_obdAdvSetup.obd_adv_flag = 0x04;
    EXPECT_EQ(format(160, 0), L"5.00");
    EXPECT_EQ(format(0, 1), L"-20.00");
    dev.m_settings.m_obdAdvSetup.obd_adv_flag = 0x07;
    EXPECT_EQ(format(160, 2), L"-5.00");
    EXPECT_EQ(format(128, 3), L"0.00");

    // Oxygen sensors ignore the flags.
    for (unsigned sensor = 4; sensor < 8; ++sensor) {
        EXPECT_EQ(format(90, sensor), L"0.45");
        EXPECT_EQ(format(0, sensor), L"0.00");
        EXPECT_EQ(format(200, sensor), L"1.00");
    }
    EXPECT_EQ(format(90, 8), L"");
}

TEST(ObdValues, ValuesReadAsNumbers)
{
    CLPGDevice dev;
    for (unsigned i = 0; i < CObdDiagnostic::kPidCount; ++i)
        EXPECT_EQ(dev.getValue(i), 0.0);
    dev.setValueText(0, L"-25.00");
    dev.setValueText(7, L"0.45");
    EXPECT_EQ(dev.getValue(0), -25.0);
    EXPECT_EQ(dev.getValue(7), 0.45);
    EXPECT_EQ(dev.getValue(8), 0.0);
    EXPECT_EQ(dev.getValueText(8), L"");
}

TEST_F(ObdDiagnostic, DetectTakesTheResponderFromTheAnswerAndTheSupportedPids)
{
    change([](SimState& s) {
        Bytes adv = s.blocks.get(27);
        adv[17] = 0x05;
        s.blocks.set(27, adv);
    });
    ASSERT_TRUE(dev.detect());
    EXPECT_TRUE(dev.m_obdLinkActive);
    EXPECT_EQ(dev.m_responderId, 0x7E8u);
    EXPECT_EQ(dev.m_settings.m_obdSetup.enable, 1);
    EXPECT_EQ(dev.m_settings.m_obdAdvSetup.obd_adv_flag, 0x05);
    // The simulated ECU has one bank with two oxygen sensors.
    EXPECT_EQ(enabled(), (std::vector<bool>{true, true, false, false, true, true, false, false}));

    const std::vector<Bytes> requests = relayed();
    ASSERT_EQ(requests.size(), 2u);
    const Relayed first = parse(requests[0]), second = parse(requests[1]);
    EXPECT_EQ(first.requestId, 0x7DFu);
    EXPECT_EQ(first.responderId, 0x7E8u);
    EXPECT_EQ(first.mask, 0x7EFu);
    EXPECT_EQ(first.pid, 0x06);
    EXPECT_EQ(second.pid, 0x00);
    EXPECT_EQ(second.responderId, 0x7E8u);
}

TEST_F(ObdDiagnostic, DetectOnA29BitBus)
{
    change([](SimState& s) {
        s.blocks.set(18, moduleSettings(k29BitRequest, 1));
        s.obd.ecus.assign(1, SimEcu::can29());
        s.obd.ecus[0].supportedPids = {0x06, 0x07, 0x08, 0x09, 0x14, 0x15, 0x18, 0x19};
    });
    ASSERT_TRUE(dev.detect());
    EXPECT_EQ(dev.m_responderId, 0x18DAF110u);
    EXPECT_EQ(enabled(), std::vector<bool>(8, true));
    const std::vector<Bytes> requests = relayed();
    ASSERT_EQ(requests.size(), 2u);
    // No responder known for the first request, the answering one after it.
    EXPECT_EQ(parse(requests[0]).responderId, 0x18DAF100u);
    EXPECT_EQ(parse(requests[0]).mask, 0x18DAF100u);
    EXPECT_EQ(parse(requests[1]).responderId, 0x18DAF110u);
    EXPECT_EQ(parse(requests[1]).mask, 0x18DAF1FFu);
}

TEST_F(ObdDiagnostic, BothSecondOxygenSensorsAreAskedAtEverySixthTurn)
{
    change(
        [](SimState& s) { s.obd.ecus[0].supportedPids = {0x06, 0x07, 0x08, 0x09, 0x14, 0x15, 0x18, 0x19}; });
    ASSERT_TRUE(dev.detect());
    relayed();
    for (int turn = 0; turn < 6 * 8; ++turn)
        dev.pollNext();
    Bytes expected;
    for (int cycle = 0; cycle < 6; ++cycle)
        expected.insert(expected.end(), {0x06, 0x07, 0x08, 0x09, 0x14, 0x18});
    expected.insert(expected.end() - 1, 0x15);
    expected.push_back(0x19);
    EXPECT_EQ(requestedPids(relayed()), expected);
}

TEST_F(ObdDiagnostic, EcuClaimingNoneOfTheValuesStillGetsBank1TrimsAsked)
{
    setEcuValue(0x00, {0, 0, 0, 0});
    ASSERT_TRUE(dev.detect());
    EXPECT_EQ(enabled(), (std::vector<bool>{true, true, false, false, false, false, false, false}));
}

TEST_F(ObdDiagnostic, DetectFailsWithoutControllerModuleOrLink)
{
    dev.m_connected = false;
    EXPECT_FALSE(dev.detect());
    dev.m_connected = true;
    dev.m_settings.m_devInfo.m_flags1 = 0;
    EXPECT_FALSE(dev.detect());
    EXPECT_TRUE(sim().requests().empty());

    dev.m_settings.m_devInfo.m_flags1 = 1;
    change([](SimState& s) { s.blocks.set(18, moduleSettings(0x7DF, 0)); });
    EXPECT_FALSE(dev.detect());
    EXPECT_FALSE(dev.m_obdLinkActive);
    EXPECT_TRUE(relayed().empty());
    EXPECT_TRUE(boxes.empty());
}

TEST_F(ObdDiagnostic, SilentEcuLeavesTheLinkOnButNoResponder)
{
    change([](SimState& s) { s.obd.ecus.clear(); });
    EXPECT_FALSE(dev.detect());
    EXPECT_TRUE(dev.m_obdLinkActive);
    EXPECT_EQ(dev.m_responderId, 0u);
    EXPECT_EQ(relayed().size(), 1u);
    EXPECT_TRUE(boxes.empty());
}

TEST_F(ObdDiagnostic, UnreadableSettingsAreReported)
{
    const Bytes block18 = bench.block(18), block27 = bench.block(27);
    for (uint8_t broken : {uint8_t(18), uint8_t(27)}) {
        change([&](SimState& s) {
            s.blocks.set(18, block18);
            s.blocks.set(27, block27);
            s.blocks.set(broken, Bytes(3, 0));
        });
        boxes.clear();
        EXPECT_FALSE(dev.detect());
        ASSERT_EQ(boxes.size(), 1u) << int(broken);
        EXPECT_EQ(boxes[0].text, L"Can't read device settings!");
        EXPECT_EQ(boxes[0].caption, L"Kestrelwave");
        EXPECT_EQ(boxes[0].flags, unsigned(MB_ICONERROR));
        // Once block 18 is read its enable byte stands, but nothing is relayed.
        EXPECT_EQ(dev.m_obdLinkActive, broken == 27);
        EXPECT_TRUE(relayed().empty());
    }
}

TEST_F(ObdDiagnostic, LinkOfAnEarlierControllerEndsWithAFailedDetection)
{
    ASSERT_TRUE(dev.detect());
    dev.m_settings.m_devInfo.m_flags1 = 0;
    EXPECT_FALSE(dev.detect());
    EXPECT_FALSE(dev.m_obdLinkActive);
    relayed();
    EXPECT_FALSE(dev.pollNext());
    EXPECT_TRUE(relayed().empty());
}

TEST_F(ObdDiagnostic, PollCycleAsksEnabledEntriesWithTheirDividers)
{
    change([](SimState& s) {
        Bytes adv = s.blocks.get(27);
        adv[17] = 0x01; // short-term trims turned
        s.blocks.set(27, adv);
    });
    setEcuValue(0x06, {160});
    setEcuValue(0x07, {64});
    setEcuValue(0x14, {90, 0xFF});
    setEcuValue(0x15, {200, 0xFF});
    ASSERT_TRUE(dev.detect());
    relayed();

    // Entries 0, 1, 4 and 5 are enabled; entry 5 is asked at every sixth turn.
    std::vector<bool> results;
    for (int turn = 0; turn < 24; ++turn)
        results.push_back(dev.pollNext());
    Bytes expected;
    for (int cycle = 0; cycle < 6; ++cycle)
        expected.insert(expected.end(), {0x06, 0x07, 0x14});
    expected.push_back(0x15);
    EXPECT_EQ(requestedPids(relayed()), expected);
    for (int turn = 0; turn < 24; ++turn)
        EXPECT_EQ(results[turn], turn % 4 != 3 || turn == 23) << turn;
    EXPECT_EQ(dev.m_pollIndex, 6);

    EXPECT_EQ(dev.getValueText(0), L"-25.00");
    EXPECT_EQ(dev.getValueText(1), L"-50.00");
    EXPECT_EQ(dev.getValueText(4), L"0.45");
    EXPECT_EQ(dev.getValueText(5), L"1.00");
    EXPECT_EQ(dev.getValueText(2), L"");
    EXPECT_EQ(dev.getValue(4), 0.45);

    // Requests carry the request id and the responder found by detection.
    setEcuValue(0x06, {128});
    ASSERT_TRUE(dev.pollNext());
    const Relayed r = parse(relayed().at(0));
    EXPECT_EQ(r.requestId, 0x7DFu);
    EXPECT_EQ(r.responderId, 0x7E8u);
    EXPECT_EQ(r.mask, 0x7EFu);
    EXPECT_EQ(dev.getValueText(0), L"0.00");
}

TEST_F(ObdDiagnostic, TimerPollsEverySecondTick)
{
    ASSERT_TRUE(dev.detect());
    relayed();
    for (int tick = 0; tick < 6; ++tick)
        dev.onTimer();
    EXPECT_EQ(requestedPids(relayed()), (Bytes{0x06, 0x07, 0x14}));
}

TEST_F(ObdDiagnostic, AnswersThatAreNotOneFrameChangeNothing)
{
    setEcuValue(0x06, {160});
    ASSERT_TRUE(dev.detect());
    relayed();
    ASSERT_TRUE(dev.pollNext());
    ASSERT_EQ(dev.getValueText(0), L"25.00");

    // Two ECUs answer the same request.
    change([](SimState& s) {
        s.obd.ecus.push_back(s.obd.ecus[0]);
        s.obd.ecus[1].fixedValues[0x07] = {0};
        s.obd.ecus[1].fixedValues[0x06] = {0};
    });
    dev.m_pollIndex = 0;
    EXPECT_FALSE(dev.pollNext());
    EXPECT_EQ(dev.m_pollIndex, 1);
    EXPECT_EQ(dev.getValueText(0), L"25.00");

    // No ECU answers; then the controller refuses to relay at all.
    change([](SimState& s) { s.obd.ecus.clear(); });
    EXPECT_FALSE(dev.pollNext());
    EXPECT_EQ(dev.m_pollIndex, 2);
    change([](SimState& s) { s.blocks.setFlags1(0); });
    EXPECT_FALSE(dev.pollNext());
    EXPECT_EQ(dev.m_pollIndex, 5);
    EXPECT_EQ(relayed().size(), 4u);
    EXPECT_EQ(dev.getValueText(0), L"25.00");
    EXPECT_EQ(dev.getValueText(1), L"");
}

TEST_F(ObdDiagnostic, NoPollWhileTheLinkOrTheControllerIsDown)
{
    EXPECT_FALSE(dev.pollNext()); // not detected yet
    ASSERT_TRUE(dev.detect());
    relayed();
    dev.m_obdLinkActive = false;
    EXPECT_FALSE(dev.pollNext());
    dev.m_obdLinkActive = true;
    dev.m_connected = false;
    EXPECT_FALSE(dev.pollNext());
    EXPECT_TRUE(relayed().empty());
    EXPECT_EQ(dev.m_pollIndex, 0);
}
