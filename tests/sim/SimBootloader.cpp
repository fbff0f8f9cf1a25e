#include "SimBootloader.h"

#include "SimBlocks.h"

namespace kwsim {

namespace {
constexpr size_t kInstructionBytes = 3;
constexpr size_t kProgramPayload = 4 + 64 * kInstructionBytes;
} // namespace

SimBootloader::SimBootloader() : m_image(2 * flashEnd('0'), 0xFF) {}

bool SimBootloader::offerAccessCode(const std::vector<uint8_t>& payload)
{
    accessGranted = payload.size() == 8 && std::string(payload.begin(), payload.end()) == accessCode;
    return accessGranted;
}

bool SimBootloader::enter()
{
    if (!active && !accessGranted)
        return false;
    if (!active)
        m_erasedBlocks.clear();
    active = true;
    return true;
}

uint8_t SimBootloader::codeFor(uint8_t hardware) const
{
    if (code)
        return code;
    return hardware == '/' ? 248 : 223;
}

bool SimBootloader::erase(uint32_t address, uint8_t hardware)
{
    if (address % kEraseBlock || address < kStart || address >= flashEnd(hardware))
        return false;
    for (uint32_t at = 2 * address; at < 2 * (address + kEraseBlock) && at < m_image.size(); ++at)
        m_image[at] = 0xFF;
    m_erasedBlocks.insert(address);
    m_erasedLog.push_back(address);
    return true;
}

bool SimBootloader::program(const std::vector<uint8_t>& payload, uint8_t hardware)
{
    if (payload.size() != kProgramPayload)
        return false;
    const uint32_t address = getU32(payload, 0);
    if (address % kRowUnits || address < kStart || address + kRowUnits > flashEnd(hardware))
        return false;
    if (!m_erasedBlocks.count(address - address % kEraseBlock))
        return false; // flash must be erased before it is written
    for (size_t i = 0; i < 64; ++i) {
        const size_t at = 2 * address + 4 * i;
        for (size_t b = 0; b < kInstructionBytes; ++b)
            m_image[at + b] = payload[4 + kInstructionBytes * i + b];
        m_image[at + 3] = 0;
    }
    m_programmedLog.push_back(address);
    return true;
}

void SimBootloader::leave()
{
    active = false;
    accessGranted = false;
    ++leaves;
}

} // namespace kwsim
