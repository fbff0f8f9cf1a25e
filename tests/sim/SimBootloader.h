#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <vector>

namespace kwsim {

// The controller's bootloader. The application hands over to it after an
// accepted access code and request 196; it then answers identification
// with 5, request 196 with its code (248 for hardware '/', 223 for '0'),
// erases flash blocks of 0x800 address units, takes program frames of 64
// instructions (128 address units) into erased blocks only, acknowledges
// request 96 and leaves on request 10. The programmed image keeps the
// file's layout: 4 bytes per instruction at byte offset 2 x address, the
// fourth byte (never sent) zero.
class SimBootloader
{
public:
    static constexpr uint32_t kStart = 0x1800;
    static constexpr uint32_t kEraseBlock = 0x800;
    static constexpr uint32_t kRowUnits = 128;

    SimBootloader();

    bool active = false;
    uint8_t code = 0; // 0: the code of the hardware byte
    std::string accessCode = "QM284613";
    bool accessGranted = false;

    // Application side.
    bool offerAccessCode(const std::vector<uint8_t>& payload);
    // Request 196 in application mode: enters the bootloader when allowed.
    bool enter();

    uint8_t codeFor(uint8_t hardware) const;
    static uint32_t flashEnd(uint8_t hardware) { return hardware == '/' ? 0x8800 : 0x13000; }
    bool erase(uint32_t address, uint8_t hardware);
    bool program(const std::vector<uint8_t>& payload, uint8_t hardware);
    void leave();

    const std::vector<uint8_t>& image() const { return m_image; }
    const std::vector<uint32_t>& erased() const { return m_erasedLog; }
    const std::vector<uint32_t>& programmed() const { return m_programmedLog; }
    unsigned verifyRequests = 0; // request 96
    unsigned leaves = 0;         // request 10

private:
    std::vector<uint8_t> m_image;
    std::set<uint32_t> m_erasedBlocks; // since the bootloader was entered
    std::vector<uint32_t> m_erasedLog;
    std::vector<uint32_t> m_programmedLog;
};

} // namespace kwsim
