#pragma once

#include <cstdint>

// OBD link set-up; block 18 carries it byte for byte (12 bytes, little-endian).
struct COBDSetup
{
    uint32_t ecu_id_req = 0x7DF;
    uint32_t ecu_id_resp = 0x7E0;
    uint8_t enable = 0;
    uint8_t baud_rate = 2;
    uint8_t timeout = 8;
    uint8_t proto = 3;
};
