#pragma once

#include "CLPGDevice.h"
#include "SimController.h"
#include "SimLink.h"
#include "UserInterface.h"

#include <memory>
#include <set>
#include <vector>

namespace kwtest {

// A controller object talking to a simulated controller through the port
// seam, with message boxes recorded instead of shown.
class SimBench
{
public:
    explicit SimBench(const kwsim::SimConfig& config = kwsim::SimConfig(), std::set<unsigned> ports = {1},
                      unsigned controllerPort = 1);
    ~SimBench();
    SimBench(const SimBench&) = delete;
    SimBench& operator=(const SimBench&) = delete;

    // Opens the controller's port with the controller line, as discovery would.
    void open(unsigned port = 1);
    template <class F> auto with(F&& f) { return sim->with(std::forward<F>(f)); }

    // The requests the simulator received, and their selectors (-1 for
    // requests other than command 2), since the last clear.
    std::vector<kwsim::SimRequest> requests() { return sim->requests(); }
    std::vector<int> selectors();
    std::vector<int> commands();
    void clearRequests() { sim->clearRequests(); }
    std::vector<uint8_t> block(uint8_t number);

    std::shared_ptr<kwsim::SimController> sim;
    std::shared_ptr<kwsim::SimLink> link;
    std::unique_ptr<CLPGDevice> device;
    std::vector<MessageBoxRequest> messages;
    // Texts of the recorded message boxes.
    std::vector<std::wstring> texts() const;
};

// A controller that hears requests and answers none.
kwsim::SimConfig silentController();
// A copy of the config with fault rates for every reply.
kwsim::SimConfig faulty(kwsim::SimConfig config, double dropRate, double garbageRate, double badChecksumRate);

} // namespace kwtest
