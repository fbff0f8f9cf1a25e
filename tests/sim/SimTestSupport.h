#pragma once

#include "SimController.h"

#include <optional>
#include <vector>

namespace kwsim {

// Talks to a SimController in-process, one request at a time.
class SimClient
{
public:
    explicit SimClient(SimController& sim) : m_sim(sim) {}

    // Every reply frame with a good sum that came back.
    std::vector<Frame> send(uint8_t cmd, const std::vector<uint8_t>& payload);
    std::optional<Frame> ask(uint8_t cmd, const std::vector<uint8_t>& payload);
    // A command-2 request: selector and optional argument byte 2.
    std::optional<Frame> request(uint8_t selector, uint8_t argument = 0, uint8_t byte3 = 0);
    // True when acknowledged (command 2, byte 0 = 4).
    bool accepted(uint8_t cmd, const std::vector<uint8_t>& payload);
    std::vector<uint8_t> lastWire() const { return m_lastWire; }

private:
    SimController& m_sim;
    uint16_t m_nonce = 0x1357;
    int64_t m_nowUs = 0;
    std::vector<uint8_t> m_lastWire;
};

bool isAck(const std::optional<Frame>& reply);
// Every whole frame with a good sum the reader holds.
std::vector<Frame> readAll(FrameReader& reader);

} // namespace kwsim
