#include "SimBlocks.h"

#include <algorithm>
#include <iterator>

namespace kwsim {

namespace {
const BlockLayout kBlocks[] = {
    {3, 21, 60, true},    {4, 8, 22, true},    {6, 5, 4, false},    {7, 12, 40, true},   {8, 13, 32, false},
    {9, 14, 40, true},    {12, 17, 12, false}, {13, -1, 6, true},   {15, 22, 16, true},  {18, 27, 12, true},
    {19, 30, 84, true},   {21, 32, 16, false}, {26, 34, 30, true},  {27, 35, 18, true},  {28, 37, 188, false},
    {29, 38, 188, false}, {30, 42, 30, true},  {31, 7, 28, true},   {32, 43, 26, true},  {33, 44, 8, true},
    {34, 45, 38, true},   {35, 48, 40, true},  {36, 49, 50, false}, {37, 50, 20, false},
};

constexpr uint8_t kRawOf100 = 100; // values stored as value + 100

std::vector<uint8_t> baseSettings()
{
    std::vector<uint8_t> b(28, 0);
    putU16(b, 0, 4000); // 1200 RPM
    b[4] = 1;           // spark divider
    b[5] = 71;          // 60 kPa
    b[6] = 85;          // 35 degrees on curve 2
    b[7] = 10;          // 5 s
    putU16(b, 8, 600);  // 8000 RPM
    putU16(b, 10, 686); // 7000 RPM
    b[12] = 0x80;
    b[13] = 133; // 120 kPa
    b[14] = 10;  // gain 1.0
    b[15] = 4;   // 0.8
    b[16] = 181; // 0 degrees on curve 2
    b[17] = 3;
    b[18] = 181;
    b[19] = 24; // 80 degrees
    b[20] = 40; // 1.0 s
    b[21] = 50; // 5.0
    b[22] = 85; // 10 V
    b[23] = 80; // 2.0 ms
    return b;
}

std::vector<uint8_t> additionalSettings()
{
    std::vector<uint8_t> b(22, 0);
    b[0] = 1;   // injector type
    b[1] = 160; // 4.0 ms
    b[2] = 50;
    b[3] = 80; // 2.0 ms
    b[4] = 60; // 30 s
    b[5] = 55; // 50 degrees
    for (int i = 0; i < 8; ++i)
        b[8 + i] = static_cast<uint8_t>(1 << i);
    b[18] = 163; // 150 kPa
    return b;
}

std::vector<uint8_t> advancedSettings()
{
    std::vector<uint8_t> b(30, 0);
    putU16(b, 4, 0x0051);
    putU16(b, 8, 9600); // 500 RPM
    b[11] = 40;         // 20 s
    b[12] = 0x80;       // LPG, manifold sensor curve of bit 7
    putU16(b, 16, 9600);
    b[18] = 35;  // 3.5
    b[24] = 175; // 35
    b[28] = 181;
    return b;
}

std::vector<uint8_t> tipInAndCircuits()
{
    std::vector<uint8_t> b(40, 0);
    b[0] = 30;
    putU16(b, 2, 1200); // 4000 RPM
    b[4] = 30;
    b[5] = 10;
    for (int i = 0; i < 8; ++i)
        b[6 + i] = static_cast<uint8_t>(i);
    putU16(b, 14, 1016); // 6.5
    putU16(b, 16, 589);  // 0.5
    putU16(b, 18, 977);  // 3.0
    putU16(b, 20, 921);  // 4.5 V
    b[22] = 0x0F;
    return b;
}

std::vector<uint8_t> sensorsSetup()
{
    std::vector<uint8_t> b(30, kRawOf100);
    // Gauge direction 1: the four levels travel inverted.
    const uint8_t levels[] = {90, 150, 195, 238};
    for (int i = 0; i < 4; ++i)
        b[i] = static_cast<uint8_t>(~levels[i]);
    const uint8_t rest[] = {1, 1, 1, 0, 2, 2}; // type, reserve, lambda, second, curves
    std::copy(std::begin(rest), std::end(rest), b.begin() + 4);
    return b;
}

std::vector<uint8_t> mapAxes()
{
    std::vector<uint8_t> b(38, 0);
    for (int r = 0; r < 19; ++r)
        b[r] = static_cast<uint8_t>(5 * (r + 2)); // 2 .. 20 ms
    for (int c = 0; c < 15; ++c)
        b[19 + c] = static_cast<uint8_t>(5 * (c + 1)); // 500 .. 7500 RPM
    return b;
}

std::vector<uint8_t> freshDeviceInfo()
{
    std::vector<uint8_t> b(32, 0);
    putU16(b, 8, 5000); // production day
    putU16(b, 10, 805);
    const char name[] = "KWS1000123456";
    std::copy(name, name + sizeof name - 1, b.begin() + 12);
    b[28] = 4;
    b[29] = '/';
    return b;
}

std::vector<uint8_t> obdAdvanced()
{
    std::vector<uint8_t> b(18, 0);
    b[1] = 10;
    b[2] = 15;
    b[4] = kRawOf100;
    b[5] = kRawOf100;
    putU16(b, 6, 9600); // 500 RPM as a period
    return b;
}

std::vector<uint8_t> words(size_t count, unsigned value)
{
    std::vector<uint8_t> b(2 * count);
    for (size_t i = 0; i < count; ++i)
        putU16(b, 2 * i, value);
    return b;
}
} // namespace

SimBlocks::SimBlocks()
{
    for (const BlockLayout& layout : kBlocks)
        m_blocks[layout.block].assign(layout.length, 0);
    m_blocks[31] = baseSettings();
    m_blocks[4] = additionalSettings();
    m_blocks[26] = advancedSettings();
    m_blocks[35] = tipInAndCircuits();
    m_blocks[15] = words(8, 250); // 1.0 ms each
    m_blocks[7].assign(40, kRawOf100);
    m_blocks[7][39] = 0;
    m_blocks[9] = m_blocks[7];
    m_blocks[30] = sensorsSetup();
    m_blocks[32].assign(26, kRawOf100);
    m_blocks[33][4] = 20; // 1000 / 50
    m_blocks[34] = mapAxes();
    m_blocks[8] = freshDeviceInfo();
    m_blocks[12] = {0x20, 0x1C, 0, 0, 0xA0, 0x8C, 0, 0, 3, 0, 0, 0}; // 7200 and 36000 half-seconds
    m_blocks[18] = {0xDF, 0x07, 0, 0, 0xE8, 0x07, 0, 0, 0, 2, 8, 3};
    m_blocks[27] = obdAdvanced();
    m_blocks[21] = words(8, 120); // 3 ms per injector
    m_blocks[37] = {0x1C, 0x02, 0, 0, 0, 0, 0x12, 0x02, 0, 0, 0, 0, 0xE8, 0x03, 0, 0, 0, 0, 0, 0};
}

const BlockLayout* SimBlocks::layoutOfBlock(uint8_t block)
{
    for (const BlockLayout& layout : kBlocks)
        if (layout.block == block)
            return &layout;
    return nullptr;
}

const BlockLayout* SimBlocks::layoutOfSelector(uint8_t selector)
{
    for (const BlockLayout& layout : kBlocks)
        if (layout.selector == selector)
            return &layout;
    return nullptr;
}

size_t SimBlocks::lengthFor(uint8_t block, int version)
{
    if (block == 19)
        return version >= 785 ? 84 : 44;
    const BlockLayout* layout = layoutOfBlock(block);
    return layout ? layout->length : 0;
}

bool SimBlocks::present(uint8_t block) const
{
    const int v = version();
    switch (block) {
    case 3:
    case 19:
        return v >= 778;
    case 35:
        return v >= 789;
    case 37:
        return v >= 805 && hardware() == '0';
    default:
        return layoutOfBlock(block) != nullptr;
    }
}

const std::vector<uint8_t>& SimBlocks::get(uint8_t block) const
{
    static const std::vector<uint8_t> none;
    auto it = m_blocks.find(block);
    return it == m_blocks.end() ? none : it->second;
}

std::vector<uint8_t> SimBlocks::deviceInfo() const
{
    std::vector<uint8_t> info = get(8);
    if (info.size() < 32)
        info.resize(32, 0);
    return info;
}

std::vector<uint8_t>& SimBlocks::deviceInfoForChange()
{
    std::vector<uint8_t>& info = m_blocks[8];
    if (info.size() < 32)
        info.resize(32, 0);
    return info;
}

int SimBlocks::version() const
{
    return static_cast<int>(getU16(deviceInfo(), 10));
}

void SimBlocks::setVersion(int version)
{
    putU16(deviceInfoForChange(), 10, static_cast<unsigned>(version));
    m_blocks[19].resize(lengthFor(19, version), 0);
}

uint32_t SimBlocks::flags1() const
{
    return getU32(deviceInfo(), 0);
}

void SimBlocks::setFlags1(uint32_t flags)
{
    putU32(deviceInfoForChange(), 0, flags);
}

} // namespace kwsim
