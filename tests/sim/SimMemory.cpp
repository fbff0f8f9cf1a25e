#include "SimMemory.h"

#include <algorithm>

namespace kwsim {

namespace {
constexpr unsigned kCells = SimMemory::kMapRows * SimMemory::kMapColumns;
constexpr unsigned kFlagsAt = SimMemory::kMapAddress + kCells;
constexpr unsigned kSumAt = kFlagsAt + 1;
constexpr int kNeutral = 100;
} // namespace

SimMemory::SimMemory() : m_bytes(kSize, 0xFF)
{
    std::fill(m_bytes.begin() + kMapAddress, m_bytes.begin() + kFlagsAt, kNeutral);
    m_bytes[kFlagsAt] = 0;
    sealMap();
}

bool SimMemory::readChunk(unsigned address, uint8_t* out) const
{
    if (address + kChunk > kSize)
        return false;
    std::copy(m_bytes.begin() + address, m_bytes.begin() + address + kChunk, out);
    return true;
}

bool SimMemory::writeChunk(unsigned address, const uint8_t* data)
{
    if (address + kChunk > kSize)
        return false;
    std::copy(data, data + kChunk, m_bytes.begin() + address);
    return true;
}

std::vector<uint8_t> SimMemory::bytes(unsigned address, size_t length) const
{
    std::vector<uint8_t> out;
    for (size_t i = 0; i < length && address + i < kSize; ++i)
        out.push_back(m_bytes[address + i]);
    return out;
}

void SimMemory::setBytes(unsigned address, const std::vector<uint8_t>& data)
{
    for (size_t i = 0; i < data.size() && address + i < kSize; ++i)
        m_bytes[address + i] = data[i];
}

int SimMemory::mapValue(unsigned row, unsigned column) const
{
    return m_bytes[kMapAddress + row * kMapColumns + column] - kNeutral;
}

void SimMemory::setMap(const std::vector<int>& values, uint8_t flags)
{
    for (unsigned i = 0; i < kCells; ++i) {
        const int v = i < values.size() ? values[i] : 0;
        m_bytes[kMapAddress + i] = static_cast<uint8_t>(std::clamp(v + kNeutral, 0, 255));
    }
    m_bytes[kFlagsAt] = flags;
    sealMap();
}

uint16_t SimMemory::mapSum(const std::vector<uint8_t>& image)
{
    uint32_t sum = 1;
    for (size_t i = 0; i < kCells + 1 && i < image.size(); ++i)
        sum += image[i];
    return static_cast<uint16_t>(sum);
}

bool SimMemory::mapSumValid() const
{
    const std::vector<uint8_t> image = mapImage();
    return mapSum(image) == ((image[kCells + 1] << 8) | image[kCells + 2]);
}

void SimMemory::sealMap()
{
    const uint16_t sum = mapSum(mapImage());
    m_bytes[kSumAt] = static_cast<uint8_t>(sum >> 8);
    m_bytes[kSumAt + 1] = static_cast<uint8_t>(sum & 0xFF);
}

bool SimMemory::stepMap(const std::vector<uint8_t>& command)
{
    if (command.size() < 6 || (command[4] != 2 && command[4] != 3))
        return false;
    const int step = command[4] == 2 ? command[5] : -command[5];
    for (unsigned r = command[0]; r < kMapRows && r < unsigned(command[0]) + command[2]; ++r) {
        for (unsigned c = command[1]; c < kMapColumns && c < unsigned(command[1]) + command[3]; ++c) {
            uint8_t& cell = m_bytes[kMapAddress + r * kMapColumns + c];
            cell = static_cast<uint8_t>(std::clamp(cell + step, 0, 255));
        }
    }
    sealMap();
    return true;
}

void SimMemory::clearMap()
{
    std::fill(m_bytes.begin() + kMapAddress, m_bytes.begin() + kFlagsAt, kNeutral);
    sealMap();
}

} // namespace kwsim
