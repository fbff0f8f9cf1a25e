#pragma once

#include <array>
#include <cstdint>

// OBD-based correction set-up; block 27 carries it byte for byte (18 bytes,
// little-endian), except that rpm_for_corr travels as an RPM period word.
struct COBDAdvSetup
{
    uint8_t obd_corr_enable_flag = 0;
    uint8_t obd_corr_average = 10;
    uint8_t obd_corr_max = 15;
    uint8_t obd_corr_for_cyl = 0;
    std::array<uint8_t, 2> obd_neutral_points{100, 100};
    uint16_t rpm_for_corr = 500;
    std::array<uint16_t, 4> err_to_clear{};
    uint8_t reserved = 0; // carried to and from the controller unchanged
    uint8_t obd_adv_flag = 0;
};
