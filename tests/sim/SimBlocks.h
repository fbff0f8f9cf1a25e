#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <vector>

namespace kwsim {

// One numbered settings block: the selector that asks for it (-1: write
// only), its length on the wire and whether the PC may write it.
struct BlockLayout
{
    uint8_t block;
    int selector;
    size_t length;
    bool writable;
};

// The controller's settings blocks. Every block starts at its exact length
// with the contents of a freshly fitted controller (the PC's default record
// in the controller's units). Reads answer the stored bytes as they are, so
// a test may store a block of a wrong length on purpose; writes from the
// line must match the length. Device information (block 8) is the one
// source of the firmware version, cylinder count and hardware byte.
class SimBlocks
{
public:
    SimBlocks();

    static const BlockLayout* layoutOfBlock(uint8_t block);
    static const BlockLayout* layoutOfSelector(uint8_t selector);
    // Block 19 is 84 bytes from version 785 on, 44 before.
    static size_t lengthFor(uint8_t block, int version);

    // Whether this firmware has the block at all.
    bool present(uint8_t block) const;
    bool has(uint8_t block) const { return m_blocks.count(block) != 0; }
    const std::vector<uint8_t>& get(uint8_t block) const;
    void set(uint8_t block, std::vector<uint8_t> bytes) { m_blocks[block] = std::move(bytes); }

    int version() const;
    // Also brings block 19 to the version's length (its leading bytes kept).
    void setVersion(int version);
    uint8_t hardware() const { return deviceInfo()[29]; }
    void setHardware(uint8_t hardware) { deviceInfoForChange()[29] = hardware; }
    int cylinders() const { return deviceInfo()[28]; }
    void setCylinders(int count) { deviceInfoForChange()[28] = static_cast<uint8_t>(count); }
    uint32_t flags1() const;
    void setFlags1(uint32_t flags);

private:
    // Block 8 at least at its full length, whatever a test stored.
    std::vector<uint8_t> deviceInfo() const;
    std::vector<uint8_t>& deviceInfoForChange();

    std::map<uint8_t, std::vector<uint8_t>> m_blocks;
};

// Little-endian helpers shared by the simulator's parts.
inline void putU16(std::vector<uint8_t>& bytes, size_t at, unsigned value)
{
    bytes[at] = static_cast<uint8_t>(value & 0xFF);
    bytes[at + 1] = static_cast<uint8_t>((value >> 8) & 0xFF);
}
inline void putU32(std::vector<uint8_t>& bytes, size_t at, uint32_t value)
{
    putU16(bytes, at, value & 0xFFFF);
    putU16(bytes, at + 2, value >> 16);
}
inline unsigned getU16(const std::vector<uint8_t>& bytes, size_t at)
{
    return bytes[at] | (bytes[at + 1] << 8);
}
inline uint32_t getU32(const std::vector<uint8_t>& bytes, size_t at)
{
    return getU16(bytes, at) | (static_cast<uint32_t>(getU16(bytes, at + 2)) << 16);
}

} // namespace kwsim
