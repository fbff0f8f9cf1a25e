#pragma once

#include "SimTrimCar.h"

#include <array>
#include <cstdint>
#include <map>
#include <random>
#include <vector>

namespace kwsim {

// One petrol ECU on the car's diagnostic bus. It answers when the OBD
// module's settings (block 18) name its protocol and bit rate and the
// request goes to one of its request ids.
struct SimEcu
{
    uint8_t proto = 3; // 1 ISO 9141-2 / 14230-4 slow, 2 ISO 14230-4 fast, 3 CAN
    uint8_t baud = 2;  // 1 250 kb/s, 2 500 kb/s, 3 K-line
    std::vector<uint32_t> requestIds{0x7DF, 0x7E0};
    uint32_t responseId = 0x7E8;
    // Service 01 PIDs answered besides 0x00 (which reports this set).
    std::vector<uint8_t> supportedPids{0x01, 0x03, 0x04, 0x05, 0x06, 0x07, 0x0B, 0x0C,
                                       0x0D, 0x0E, 0x0F, 0x11, 0x13, 0x14, 0x15, 0x1C};
    // Service 01 value bytes that replace the model's (PID 0x00 included).
    std::map<uint8_t, std::vector<uint8_t>> fixedValues;
    std::vector<uint16_t> storedCodes{0x0301, 0x0420}; // P0301, P0420
    std::vector<uint16_t> pendingCodes{0x0171};        // P0171
    bool refuseClear = false;

    static SimEcu can11(uint8_t baud = 2);
    static SimEcu can29(uint8_t baud = 2);
    static SimEcu kline(uint8_t proto);
    uint32_t supportMask() const;
};

using CanData = std::array<uint8_t, 8>;

// The controller's OBD relay: a 20-byte request (request id, response id,
// acceptance mask, 8 data bytes) in, the CAN frames received back out as a
// 16-bit count and 12-byte groups (id, 8 data bytes).
class SimObdRelay
{
public:
    explicit SimObdRelay(uint32_t seed = 1);

    std::vector<uint8_t> answer(const std::vector<uint8_t>& request, const std::vector<uint8_t>& block18);

    std::vector<SimEcu> ecus{SimEcu::can11()};
    unsigned clears = 0; // positive answers to service 04
    // When fitted, the fuel trims of every ECU come from it.
    SimTrimCar car;

private:
    bool hears(const SimEcu& ecu, uint32_t requestId, const std::vector<uint8_t>& block18) const;
    std::vector<CanData> respond(SimEcu& ecu, const uint8_t* data);
    std::vector<CanData> currentData(const SimEcu& ecu, uint8_t pid);
    std::vector<uint8_t> pidValue(uint8_t pid, const SimEcu& ecu);
    std::vector<CanData> clearCodes(SimEcu& ecu);

    std::mt19937 m_rng;
    unsigned m_turn = 0;
};

// Trouble-code answers (service 03 or 07) in the frames of the protocol.
std::vector<CanData> codeFrames(uint8_t proto, uint8_t service, const std::vector<uint16_t>& codes);

} // namespace kwsim
