#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace kwsim {

// The controller's memory as the PC reaches it in 32-byte chunks. The
// correction map lives at address 246 as a 288-byte image: 19 x 15 values
// (percent + 100) row by row, a flags byte and a 16-bit sum (high byte
// first) of 1 plus the 286 bytes before it. Memory outside the map reads
// as erased (0xFF).
class SimMemory
{
public:
    static constexpr unsigned kSize = 1024;
    static constexpr unsigned kChunk = 32;
    static constexpr unsigned kMapAddress = 246;
    static constexpr unsigned kMapSize = 288;
    static constexpr unsigned kMapRows = 19;
    static constexpr unsigned kMapColumns = 15;

    SimMemory(); // a neutral map (every value 0 %) with a valid sum

    // A whole chunk inside memory, or false.
    bool readChunk(unsigned address, uint8_t* out) const;
    bool writeChunk(unsigned address, const uint8_t* data);

    std::vector<uint8_t> bytes(unsigned address, size_t length) const;
    void setBytes(unsigned address, const std::vector<uint8_t>& data);

    std::vector<uint8_t> mapImage() const { return bytes(kMapAddress, kMapSize); }
    // Map cell (row, column) in percent.
    int mapValue(unsigned row, unsigned column) const;
    // Stores the values (row by row, percent) and flags with a fresh sum.
    void setMap(const std::vector<int>& values, uint8_t flags);
    bool mapSumValid() const;
    static uint16_t mapSum(const std::vector<uint8_t>& image);

    // The 6-byte step command: first row, first column, row count, column
    // count, direction (2 up, 3 down) and step; false for another direction.
    bool stepMap(const std::vector<uint8_t>& command);
    // Every value back to 0 %, flags kept.
    void clearMap();

private:
    void sealMap();

    std::vector<uint8_t> m_bytes;
};

} // namespace kwsim
