#pragma once

#include <CSettingsRecord.h>
#include <SettingsBlocks.h>

#include <cstring>
#include <vector>

// Everything of a record that travels to or from the controller, as bytes:
// records with equal images hold the same controller settings.
inline std::vector<uint8_t> recordImage(const CSettingsRecord& r)
{
    std::vector<uint8_t> image;
    auto add = [&image](const std::vector<uint8_t>& bytes) {
        image.insert(image.end(), bytes.begin(), bytes.end());
    };
    for (auto encode : {encodeBlock31, encodeBlock4, encodeBlock26, encodeBlock35, encodeBlock15,
                        encodeBlock30, encodeBlock7, encodeBlock9, encodeBlock32, encodeBlock33,
                        encodeBlock34, encodeBlock3, encodeBlock19})
        add(encode(r));
    add(encodeBlock18(r.m_obdSetup));
    add(encodeBlock27(r.m_obdAdvSetup));
    const CDevInfo& d = r.m_devInfo;
    uint32_t words[] = {d.m_flags1,   d.m_flags2,        uint32_t(d.m_version), uint32_t(d.m_injCount),
                        d.m_deviceID, d.m_statistic.gas, d.m_statistic.lpg,     d.m_statistic.modify};
    add(std::vector<uint8_t>(reinterpret_cast<const uint8_t*>(words),
                             reinterpret_cast<const uint8_t*>(words) + sizeof words));
    for (wchar_t c : d.m_prodDate + d.m_serial)
        image.push_back(uint8_t(c));
    return image;
}
