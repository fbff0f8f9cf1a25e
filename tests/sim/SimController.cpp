#include "SimController.h"

#include <cstdio>
#include <sstream>

namespace kwsim {

namespace {
// Command codes of the frame.
constexpr uint8_t kRequest = 2;
constexpr uint8_t kSample = 1;
constexpr uint8_t kMemoryChunk = 5;
constexpr uint8_t kMapStep = 13;
constexpr uint8_t kObdAnswer = 24;
constexpr uint8_t kObdRequest = 25;
constexpr uint8_t kAccessCode = 246;
constexpr uint8_t kProgram = 247;
constexpr uint8_t kErase = 249;

// Selectors of command-2 requests that are no block.
constexpr uint8_t kIdentify = 0xCC;
constexpr uint8_t kEnterBootloader = 196;
constexpr uint8_t kBootVerify = 96;
constexpr uint8_t kBootLeave = 10;
constexpr uint8_t kReadMemory = 11;
constexpr uint8_t kLiveSample = 36;
constexpr uint8_t kBankCorrections = 39;

constexpr uint8_t kAccepted = 4;
constexpr uint8_t kInBootloader = 5;
constexpr uint8_t kRefused = 0;

SimReply answer(uint8_t first, uint8_t second = 0)
{
    return {kRequest, {first, second, 0, 0, 0, 0}};
}
SimReply ack()
{
    return answer(kAccepted);
}
SimReply refuse()
{
    return answer(kRefused);
}
SimReply ackIf(bool ok)
{
    return ok ? ack() : refuse();
}

std::string hex(const std::vector<uint8_t>& bytes)
{
    std::string out;
    char two[3];
    for (uint8_t b : bytes) {
        std::snprintf(two, sizeof two, "%02x", b);
        out += two;
    }
    return out.empty() ? "-" : out;
}
} // namespace

std::string SimRequest::toLogLine() const
{
    std::ostringstream line;
    line << unsigned(cmd) << ' ' << (selector < 0 ? std::string("-") : std::to_string(selector)) << ' '
         << hex(payload);
    return line.str();
}

bool SimRequest::fromLogLine(const std::string& line, SimRequest& out)
{
    std::istringstream in(line);
    unsigned cmd = 0;
    std::string sel, data;
    if (!(in >> cmd >> sel >> data) || cmd > 255 || (data != "-" && data.size() % 2))
        return false;
    out.cmd = static_cast<uint8_t>(cmd);
    out.selector = sel == "-" ? -1 : std::stoi(sel);
    out.payload.clear();
    for (size_t i = 0; data != "-" && i < data.size(); i += 2)
        out.payload.push_back(static_cast<uint8_t>(std::stoul(data.substr(i, 2), nullptr, 16)));
    return true;
}

SimState::SimState(uint32_t seed) : live(seed), obd(seed + 1), faults(seed + 2) {}

void SimState::scriptReply(uint8_t cmd, const std::vector<uint8_t>& payload, int times)
{
    const std::vector<uint8_t> wire = encodeFrame({cmd, 0x2468, payload});
    for (int i = 0; i < times; ++i)
        scriptedReplies.push_back(wire);
}

SimController::SimController(const SimConfig& config) : m_state(config.seed), m_nonces(config.seed + 3)
{
    SimBlocks& blocks = m_state.blocks;
    blocks.setVersion(config.firmwareVersion);
    blocks.setHardware(config.hardware);
    blocks.setCylinders(config.cylinders);
    if (config.obdModule)
        blocks.setFlags1(blocks.flags1() | 1);
    for (const auto& [block, bytes] : config.blocks)
        blocks.set(block, bytes);
    m_state.liveDataAllowed = config.liveDataAllowed;
    m_state.boot.active = config.bootloader;
    m_state.boot.code = config.bootCode;
    m_state.boot.accessCode = config.accessCode;
    m_state.live.switchDelay = config.switchDelay;
    m_state.live.switchNever = config.switchNever;
    m_state.obd.ecus = config.ecus;
    m_state.obd.car = config.car;
    m_state.faults.config = config.faults;
    m_state.refusedBlocks = config.refusedBlocks;
}

std::vector<uint8_t> SimController::receive(const uint8_t* data, size_t size, int64_t nowUs)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_reader.push(data, size, nowUs);
    std::vector<uint8_t> out;
    Frame frame;
    while (m_reader.next(frame)) {
        SimRequest request{frame.cmd, -1, frame.payload};
        if (frame.cmd == kRequest && !frame.payload.empty())
            request.selector = frame.payload[0];
        m_state.log.push_back(request);
        if (m_listener)
            m_listener(request);
        const SimFaultInjector::Fate fate = m_state.faults.fate(++m_requestCount);
        if (fate == SimFaultInjector::Fate::Deaf)
            continue;
        const bool refused = m_state.refuseRule && m_state.refuseRule(request);
        const SimReply reply = refused ? refuse() : dispatch(frame);
        if (fate == SimFaultInjector::Fate::Lost)
            continue;
        const std::vector<uint8_t> wire = replyWire(reply);
        out.insert(out.end(), wire.begin(), wire.end());
    }
    return out;
}

std::vector<SimRequest> SimController::requests()
{
    return with([](SimState& s) { return s.log; });
}

void SimController::clearRequests()
{
    with([](SimState& s) { s.log.clear(); });
}

size_t SimController::rejectedFrames()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_reader.rejected();
}

void SimController::setRequestListener(std::function<void(const SimRequest&)> listener)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_listener = std::move(listener);
}

std::vector<uint8_t> SimController::replyWire(const SimReply& reply)
{
    std::deque<std::vector<uint8_t>>& script = m_state.scriptedReplies;
    if (script.empty())
        return m_state.faults.spoil(encodeFrame({reply.cmd, nextNonce(), reply.payload}));
    std::vector<uint8_t> wire = std::move(script.front());
    script.pop_front();
    return wire;
}

uint16_t SimController::nextNonce()
{
    std::uniform_int_distribution<unsigned> d(0, 0xFFFF);
    return static_cast<uint16_t>(d(m_nonces));
}

SimReply SimController::dispatch(const Frame& frame)
{
    return m_state.boot.active ? bootloader(frame) : application(frame);
}

SimReply SimController::application(const Frame& frame)
{
    const std::vector<uint8_t>& p = frame.payload;
    switch (frame.cmd) {
    case kRequest:
        return p.empty() ? refuse() : selector(p[0], p);
    case kMemoryChunk:
        return writeMemory(p);
    case kMapStep:
        return ackIf(p.size() == SimBlocks::lengthFor(kMapStep, 0) && m_state.memory.stepMap(p));
    case kObdRequest:
        return relayObd(p);
    case kAccessCode:
        return ackIf(m_state.boot.offerAccessCode(p));
    default:
        return writeBlock(frame.cmd, p);
    }
}

SimReply SimController::selector(uint8_t sel, const std::vector<uint8_t>& payload)
{
    switch (sel) {
    case kIdentify:
        return identification();
    case kEnterBootloader:
        if (!m_state.boot.enter())
            return refuse();
        return answer(kAccepted, m_state.boot.codeFor(m_state.blocks.hardware()));
    case kLiveSample:
        return liveSample();
    case kReadMemory:
        return readMemory(payload);
    case kBankCorrections:
        return {kRequest, {40, 0, m_state.obdBank2, m_state.obdBank1, 0, 0}};
    default:
        break;
    }
    if (const BlockLayout* layout = SimBlocks::layoutOfSelector(sel))
        return readBlock(layout->block);
    return action(sel, payload);
}

SimReply SimController::action(uint8_t sel, const std::vector<uint8_t>& payload)
{
    SimLiveEngine& live = m_state.live;
    const uint8_t argument = payload.size() > 2 ? payload[2] : 0;
    switch (sel) {
    case 1: // held on gas
        live.forceGas();
        return ack();
    case 3: // back to the controller's own switching
        live.releaseToAuto();
        return ack();
    case 2:
        live.forcePetrol();
        return ack();
    case 10:
        live.reset();
        m_state.blocks.set(6, std::vector<uint8_t>(SimBlocks::lengthFor(6, 0), 0));
        ++m_state.resets;
        return ack();
    case 19: // the map was changed: nothing left to do, it is kept sealed
        return ack();
    case 20:
        m_state.memory.clearMap();
        return ack();
    case 23:
        live.emulatorBits = argument;
        return ack();
    case 24:
        live.gasBits = argument;
        return ack();
    case 28:
    case 29:
        m_state.blocks.set(sel, std::vector<uint8_t>(SimBlocks::lengthFor(sel, 0), 0));
        return ack();
    default:
        return refuse();
    }
}

SimReply SimController::identification() const
{
    const uint8_t liveWord = m_state.liveDataAllowed ? 0x55 : 0x00;
    return {kRequest, {kAccepted, m_state.blocks.hardware(), liveWord, 0, 0, 0}};
}

SimReply SimController::readBlock(uint8_t block) const
{
    if (!m_state.blocks.present(block) || m_state.refusedBlocks.count(block))
        return refuse();
    return {block, m_state.blocks.get(block)};
}

SimReply SimController::writeBlock(uint8_t block, const std::vector<uint8_t>& payload)
{
    const BlockLayout* layout = SimBlocks::layoutOfBlock(block);
    SimBlocks& blocks = m_state.blocks;
    if (!layout || !layout->writable || !blocks.present(block) || m_state.refusedBlocks.count(block) ||
        payload.size() != SimBlocks::lengthFor(block, blocks.version()))
        return refuse();
    blocks.set(block, payload);
    return ack();
}

SimReply SimController::readMemory(const std::vector<uint8_t>& payload) const
{
    if (payload.size() < 4)
        return refuse();
    const unsigned address = getU16(payload, 2);
    std::vector<uint8_t> chunk(2 + SimMemory::kChunk);
    chunk[0] = payload[2];
    chunk[1] = payload[3];
    if (!m_state.memory.readChunk(address, chunk.data() + 2))
        return refuse();
    return {kMemoryChunk, chunk};
}

SimReply SimController::writeMemory(const std::vector<uint8_t>& payload)
{
    if (payload.size() != 2 + SimMemory::kChunk)
        return refuse();
    return ackIf(m_state.memory.writeChunk(getU16(payload, 0), payload.data() + 2));
}

SimReply SimController::relayObd(const std::vector<uint8_t>& payload)
{
    if (!(m_state.blocks.flags1() & 1) || payload.size() != 20)
        return refuse();
    m_state.obd.car.observe(m_state.blocks.get(15), m_state.blocks.cylinders(),
                            m_state.live.mode() == SimLiveEngine::kGas);
    return {kObdAnswer, m_state.obd.answer(payload, m_state.blocks.get(18))};
}

SimReply SimController::liveSample()
{
    return {kSample, m_state.live.nextSample(m_state.blocks.cylinders())};
}

SimReply SimController::bootloader(const Frame& frame)
{
    SimBootloader& boot = m_state.boot;
    const uint8_t hardware = m_state.blocks.hardware();
    const std::vector<uint8_t>& p = frame.payload;
    switch (frame.cmd) {
    case kRequest:
        break;
    case kAccessCode:
        return ack();
    case kErase:
        return ackIf(p.size() == 4 && boot.erase(getU32(p, 0), hardware));
    case kProgram:
        return ackIf(boot.program(p, hardware));
    default:
        return refuse();
    }
    switch (p.empty() ? 0 : p[0]) {
    case kIdentify:
        return answer(kInBootloader);
    case kEnterBootloader:
        return answer(kAccepted, boot.codeFor(hardware));
    case kBootVerify:
        ++boot.verifyRequests;
        return ack();
    case kBootLeave: // the application starts afresh
        boot.leave();
        m_state.live.reset();
        return ack();
    default:
        return refuse();
    }
}

} // namespace kwsim
