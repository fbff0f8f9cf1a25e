#pragma once

#include "SimBench.h"

#include <cstdint>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace kwtest {

// How a procedure is made to end early at one of its own requests.
enum class Exit
{
    Refused,   // the request and its retries are refused
    PortFails, // the port fails while the reply is read (once)
    Closed     // the program asks every procedure to stop, as a close does
};
const char* exitName(Exit exit);

// The procedure's own requests: all but live samples and OBD relays (the
// reading thread's and the page's polls).
bool isProcedureRequest(const kwsim::SimRequest& request);
int procedureRequests(const std::vector<kwsim::SimRequest>& log);

// Brings `exit` at the procedure's `n`th request (counted from 1, retries
// of a refused request not counted) while it lives. A close is asked for
// from the message pump, through deliver().
class ProcedureFault
{
public:
    ProcedureFault(SimBench& bench, Exit exit, int n);
    // The same on a simulator behind its own link (a program's bench).
    ProcedureFault(kwsim::SimController& sim, std::shared_ptr<kwsim::SimLink> link, Exit exit, int n);
    ~ProcedureFault();
    ProcedureFault(const ProcedureFault&) = delete;
    ProcedureFault& operator=(const ProcedureFault&) = delete;

    // Call from the message pump hook.
    void deliver();
    bool hit() const;

private:
    struct Shared;
    kwsim::SimController& m_sim;
    std::shared_ptr<Shared> m_shared;
};

// What a procedure leaves for the car: the settings blocks, who chooses the
// fuel and the cylinders that run on gas.
struct ControllerState
{
    std::map<uint8_t, std::vector<uint8_t>> blocks;
    int hold = 0;
    uint8_t emulatorBits = 0;
    static ControllerState of(SimBench& bench);
    static ControllerState of(kwsim::SimController& sim);
};

// The bytes of a block that hold a procedure's result; none listed: all.
using ResultBytes = std::map<uint8_t, std::set<size_t>>;

// Where `after` does not hand the controller back as `before` was: another
// fuel choice than the controller's own, cylinders neither as before nor
// all of them, blocks changed outside the result. Empty when handed back.
std::vector<std::string> handBackDifferences(const ControllerState& before, const ControllerState& after,
                                             const ResultBytes& results, int cylinders);

// Message texts of the hand-back saying what it could not put back.
std::vector<std::wstring> leftMessages(const SimBench& bench);

} // namespace kwtest
