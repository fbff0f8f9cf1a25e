#include "ProcedureFaults.h"

#include "ProgramBusy.h"

#include <sstream>

namespace kwtest {

namespace {
const uint8_t kRequestCmd = 2;
const uint8_t kObdRelayCmd = 25;
const int kLiveSampleSelector = 36;
const int kTries = 15; // a refused transaction is sent this often
} // namespace

const char* exitName(Exit exit)
{
    switch (exit) {
    case Exit::Refused:
        return "refused";
    case Exit::PortFails:
        return "port fails";
    case Exit::Closed:
        return "closed";
    }
    return "?";
}

bool isProcedureRequest(const kwsim::SimRequest& request)
{
    return request.cmd != kObdRelayCmd &&
           !(request.cmd == kRequestCmd && request.selector == kLiveSampleSelector);
}

int procedureRequests(const std::vector<kwsim::SimRequest>& log)
{
    int count = 0;
    for (const kwsim::SimRequest& request : log)
        count += isProcedureRequest(request);
    return count;
}

struct ProcedureFault::Shared
{
    Exit exit;
    int n;
    int seen = 0;
    bool hit = false;
    bool closePending = false;
    int refusals = 0;
    kwsim::SimRequest refused;
};

ProcedureFault::ProcedureFault(SimBench& bench, Exit exit, int n)
    : ProcedureFault(*bench.sim, bench.link, exit, n)
{
}

ProcedureFault::ProcedureFault(kwsim::SimController& sim, std::shared_ptr<kwsim::SimLink> link, Exit exit,
                               int n)
    : m_sim(sim), m_shared(std::make_shared<Shared>())
{
    m_shared->exit = exit;
    m_shared->n = n;
    std::shared_ptr<Shared> shared = m_shared;
    sim.with([shared, link](kwsim::SimState& s) {
        s.refuseRule = [shared, link](const kwsim::SimRequest& r) {
            if (!isProcedureRequest(r))
                return false;
            Shared& f = *shared;
            // The retries of the refused request, sent back to back.
            if (f.refusals > 0 && f.refusals < kTries && r.cmd == f.refused.cmd &&
                r.payload == f.refused.payload) {
                ++f.refusals;
                return true;
            }
            f.refusals = 0;
            if (++f.seen != f.n)
                return false;
            f.hit = true;
            switch (f.exit) {
            case Exit::Refused:
                f.refused = r;
                f.refusals = 1;
                return true;
            case Exit::PortFails:
                link->failNextCall(kwsim::SimCall::Read, ERROR_GEN_FAILURE);
                return false;
            case Exit::Closed:
                f.closePending = true;
                return false;
            }
            return false;
        };
    });
}

ProcedureFault::~ProcedureFault()
{
    m_sim.with([](kwsim::SimState& s) { s.refuseRule = nullptr; });
}

void ProcedureFault::deliver()
{
    const bool close = m_sim.with([this](kwsim::SimState&) {
        const bool pending = m_shared->closePending;
        m_shared->closePending = false;
        return pending;
    });
    if (close)
        ProgramBusy::requestStop();
}

bool ProcedureFault::hit() const
{
    return m_sim.with([this](kwsim::SimState&) { return m_shared->hit; });
}

ControllerState ControllerState::of(SimBench& bench)
{
    return of(*bench.sim);
}

ControllerState ControllerState::of(kwsim::SimController& sim)
{
    return sim.with([](kwsim::SimState& s) {
        ControllerState state;
        for (int b = 0; b < 256; ++b)
            if (s.blocks.has(static_cast<uint8_t>(b)))
                state.blocks[static_cast<uint8_t>(b)] = s.blocks.get(static_cast<uint8_t>(b));
        state.hold = static_cast<int>(s.live.hold());
        state.emulatorBits = s.live.emulatorBits;
        return state;
    });
}

std::vector<std::string> handBackDifferences(const ControllerState& before, const ControllerState& after,
                                             const ResultBytes& results, int cylinders)
{
    std::vector<std::string> out;
    if (after.hold != before.hold)
        out.push_back("fuel held " + std::to_string(after.hold) + ", was " + std::to_string(before.hold));
    const uint8_t all = static_cast<uint8_t>((1u << cylinders) - 1);
    if (after.emulatorBits != before.emulatorBits && after.emulatorBits != all)
        out.push_back("cylinders on gas " + std::to_string(after.emulatorBits));
    for (const auto& [block, bytes] : after.blocks) {
        const auto was = before.blocks.find(block);
        if (was == before.blocks.end() || was->second == bytes)
            continue;
        const auto result = results.find(block);
        if (result != results.end() && result->second.empty())
            continue;
        for (size_t i = 0; i < bytes.size() && i < was->second.size(); ++i)
            if (bytes[i] != was->second[i] && (result == results.end() || !result->second.count(i))) {
                std::ostringstream text;
                text << "block " << int(block) << " byte " << i << " is " << int(bytes[i]) << ", was "
                     << int(was->second[i]);
                out.push_back(text.str());
            }
    }
    return out;
}

std::vector<std::wstring> leftMessages(const SimBench& bench)
{
    std::vector<std::wstring> out;
    for (const std::wstring& text : bench.texts())
        if (text.find(L"Can't restore") != std::wstring::npos ||
            text.find(L"Can't hand") != std::wstring::npos ||
            text.find(L"Can't switch every") != std::wstring::npos)
            out.push_back(text);
    return out;
}

} // namespace kwtest
