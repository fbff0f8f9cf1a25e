#include "SettingsWrites.h"

#include <algorithm>

namespace pagetest {

namespace {

const uint8_t kSettingsBlocks[] = {4, 26, 30, 31};
const size_t kPcCodeOffset = 24; // of block 31

} // namespace

SettingsWrites::SettingsWrites(kwtest::SimBench& sim) : m_sim(sim), m_start(sim.requests().size())
{
    for (uint8_t block : kSettingsBlocks)
        m_before[block] = sim.block(block);
}

std::vector<kwsim::SimRequest> SettingsWrites::since()
{
    std::vector<kwsim::SimRequest> all = m_sim.requests();
    return std::vector<kwsim::SimRequest>(all.begin() + std::min(m_start, all.size()), all.end());
}

std::vector<ByteChanges> SettingsWrites::changes(uint8_t block)
{
    std::vector<ByteChanges> out;
    std::vector<uint8_t> held = m_before[block];
    for (const kwsim::SimRequest& request : since()) {
        if (request.cmd != block)
            continue;
        ByteChanges changed;
        const size_t end = block == 31 ? kPcCodeOffset : request.payload.size();
        for (size_t i = 0; i < end; ++i)
            if (i >= held.size() || held[i] != request.payload[i])
                changed[int(i)] = request.payload[i];
        out.push_back(changed);
        held = request.payload;
    }
    return out;
}

size_t SettingsWrites::count()
{
    size_t writes = 0;
    for (const kwsim::SimRequest& request : since())
        writes += request.cmd != 2;
    return writes;
}

} // namespace pagetest
