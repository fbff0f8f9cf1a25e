#pragma once

// The simulated controller: the controller's side of the serial protocol,
// written apart from the program's own frame code so that one mistake
// cannot hide in both.
//
// Feed it the bytes the PC sends with receive(); it returns the bytes the
// controller sends back (faults applied). Requests with a bad sum are not
// answered. Every good request is logged. Tests read and change the whole
// state under the controller's lock:
//
//     sim.with([](kwsim::SimState& s) { s.blocks.setVersion(777); });
//     int mode = sim.with([](kwsim::SimState& s) { return s.live.mode(); });
//
// SimState holds the settings blocks (SimBlocks), the memory with the
// correction map (SimMemory), the live engine (SimLiveEngine), the OBD
// relay with its ECUs (SimObdRelay), the bootloader (SimBootloader), the
// fault injector (SimFaultInjector), the request log and replies scripted
// byte for byte.

#include "SimBlocks.h"
#include "SimBootloader.h"
#include "SimFaults.h"
#include "SimFrame.h"
#include "SimLiveEngine.h"
#include "SimMemory.h"
#include "SimObd.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace kwsim {

// One request as the controller understood it (payload plain).
struct SimRequest
{
    uint8_t cmd = 0;
    int selector = -1; // payload byte 0 of a command-2 request
    std::vector<uint8_t> payload;

    // "<cmd> <selector or -> <payload hex or ->", the line of a log file.
    std::string toLogLine() const;
    static bool fromLogLine(const std::string& line, SimRequest& out);
};

struct SimConfig
{
    uint32_t seed = 1;
    int firmwareVersion = 805;
    uint8_t hardware = '/';
    int cylinders = 4;
    bool liveDataAllowed = true;
    bool bootloader = false; // start waiting in the bootloader
    uint8_t bootCode = 0;    // 0: by hardware
    std::string accessCode = "QM284613";
    unsigned switchDelay = 0; // samples
    bool switchNever = false;
    bool obdModule = false;
    std::vector<SimEcu> ecus{SimEcu::can11()};
    SimTrimCar car;
    SimFaults faults;
    std::map<uint8_t, std::vector<uint8_t>> blocks; // stored over the defaults
    std::set<uint8_t> refusedBlocks;                // reads and writes refused
};

struct SimState
{
    explicit SimState(uint32_t seed);

    SimBlocks blocks;
    SimMemory memory;
    SimLiveEngine live;
    SimObdRelay obd;
    SimBootloader boot;
    SimFaultInjector faults;
    bool liveDataAllowed = true;
    uint8_t obdBank1 = 100; // request 39: correction + 100
    uint8_t obdBank2 = 100;
    unsigned resets = 0;
    // Blocks whose reads and writes the controller refuses.
    std::set<uint8_t> refusedBlocks;
    std::vector<SimRequest> log;
    // A test's rule, asked for every request that reaches the controller:
    // true refuses it (it does not act; the reply says refused).
    std::function<bool(const SimRequest&)> refuseRule;
    // Raw bytes sent instead of the next replies, one entry per request, as
    // they stand (no faults applied); the requests still act.
    std::deque<std::vector<uint8_t>> scriptedReplies;

    // A good frame of `cmd` and `payload` as the next `times` scripted replies.
    void scriptReply(uint8_t cmd, const std::vector<uint8_t>& payload, int times = 1);
};

struct SimReply
{
    uint8_t cmd;
    std::vector<uint8_t> payload;
};

class SimController
{
public:
    explicit SimController(const SimConfig& config = SimConfig());

    std::vector<uint8_t> receive(const uint8_t* data, size_t size, int64_t nowUs);

    template <class F> auto with(F&& f)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return f(m_state);
    }

    std::vector<SimRequest> requests();
    void clearRequests();
    size_t rejectedFrames();
    // Called (under the lock) for every request as it arrives.
    void setRequestListener(std::function<void(const SimRequest&)> listener);

private:
    SimReply dispatch(const Frame& frame);
    SimReply application(const Frame& frame);
    SimReply selector(uint8_t sel, const std::vector<uint8_t>& payload);
    SimReply action(uint8_t sel, const std::vector<uint8_t>& payload);
    SimReply bootloader(const Frame& frame);
    SimReply identification() const;
    SimReply readBlock(uint8_t block) const;
    SimReply writeBlock(uint8_t block, const std::vector<uint8_t>& payload);
    SimReply readMemory(const std::vector<uint8_t>& payload) const;
    SimReply writeMemory(const std::vector<uint8_t>& payload);
    SimReply relayObd(const std::vector<uint8_t>& payload);
    SimReply liveSample();
    std::vector<uint8_t> replyWire(const SimReply& reply);
    uint16_t nextNonce();

    std::mutex m_mutex;
    SimState m_state;
    FrameReader m_reader;
    std::mt19937 m_nonces;
    size_t m_requestCount = 0;
    std::function<void(const SimRequest&)> m_listener;
};

} // namespace kwsim
