#include "SimBench.h"

#include "ISerialTransport.h"
#include "serialport.h"

#include <gtest/gtest.h>

namespace kwtest {

SimBench::SimBench(const kwsim::SimConfig& config, std::set<unsigned> ports, unsigned controllerPort)
    : sim(std::make_shared<kwsim::SimController>(config)),
      link(kwsim::SimLink::create(sim, std::move(ports), controllerPort))
{
    std::shared_ptr<kwsim::SimLink> line = link;
    setSerialTransportFactory([line] { return line->makeTransport(); });
    setMessageBoxHook([this](const MessageBoxRequest& request) {
        messages.push_back(request);
        return IDOK;
    });
    device = std::make_unique<CLPGDevice>();
}

SimBench::~SimBench()
{
    device.reset();
    // A box shown after the bench is gone is a fault of the test, never a hang.
    setMessageBoxHook([](const MessageBoxRequest& request) {
        ADD_FAILURE() << "message box without a bench: " << request.text;
        return IDOK;
    });
    setSerialTransportFactory(nullptr);
}

void SimBench::open(unsigned port)
{
    openControllerLine(device->m_port, port);
    device->m_connected = true;
}

std::vector<int> SimBench::selectors()
{
    std::vector<int> out;
    for (const kwsim::SimRequest& request : requests())
        out.push_back(request.selector);
    return out;
}

std::vector<int> SimBench::commands()
{
    std::vector<int> out;
    for (const kwsim::SimRequest& request : requests())
        out.push_back(request.cmd);
    return out;
}

std::vector<uint8_t> SimBench::block(uint8_t number)
{
    return with([number](kwsim::SimState& s) { return s.blocks.get(number); });
}

std::vector<std::wstring> SimBench::texts() const
{
    std::vector<std::wstring> out;
    for (const MessageBoxRequest& message : messages)
        out.push_back(message.text);
    return out;
}

kwsim::SimConfig silentController()
{
    kwsim::SimConfig config;
    config.faults.silent = true;
    return config;
}

kwsim::SimConfig faulty(kwsim::SimConfig config, double dropRate, double garbageRate, double badChecksumRate)
{
    config.faults.dropRate = dropRate;
    config.faults.garbageRate = garbageRate;
    config.faults.badChecksumRate = badChecksumRate;
    return config;
}

} // namespace kwtest
