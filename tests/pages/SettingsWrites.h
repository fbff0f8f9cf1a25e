#pragma once

// What the settings pages wrote to the simulated controller, byte by byte.

#include "SimBench.h"

#include <map>
#include <string>
#include <vector>

namespace pagetest {

// Offset -> new byte of one block write, against what the controller held.
using ByteChanges = std::map<int, int>;

// The block writes that follow its making.
class SettingsWrites
{
public:
    explicit SettingsWrites(kwtest::SimBench& sim);

    // For each write of `block`, the bytes that differ from the block the
    // controller held just before it. Block 31 carries this PC's code at
    // its end, which is left out.
    std::vector<ByteChanges> changes(uint8_t block);
    // Block writes of any kind.
    size_t count();

private:
    std::vector<kwsim::SimRequest> since();

    kwtest::SimBench& m_sim;
    size_t m_start;
    std::map<uint8_t, std::vector<uint8_t>> m_before;
};

} // namespace pagetest
