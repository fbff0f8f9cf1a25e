#include "SimTrimCar.h"

#include <algorithm>
#include <cmath>

namespace kwsim {

namespace {
constexpr double kCorrectionUnit = 0.004; // ms per count of block 15
constexpr double kTrimCounts = 128.0 / 100.0;
} // namespace

void SimTrimCar::observe(const std::vector<uint8_t>& block15, int cylinders, bool onGas)
{
    for (size_t i = 0; i < m_corrections.size(); ++i) {
        const size_t at = 2 * i;
        const int16_t word = at + 1 < block15.size() ? int16_t(block15[at] | (block15[at + 1] << 8)) : 0;
        m_corrections[i] = word * kCorrectionUnit;
    }
    m_cylinders = std::clamp(cylinders, 0, 8);
    m_onGas = onGas;
}

double SimTrimCar::trim(int bank, bool shortTerm) const
{
    if (!shortTerm || !m_onGas)
        return 0.0;
    double sum = 0.0;
    int count = 0;
    for (int i = 0; i < m_cylinders; ++i)
        if (((bank2Injectors >> i) & 1) == bank) {
            sum += m_corrections[i] - balanced;
            ++count;
        }
    return count ? -gain * sum / count : 0.0;
}

uint8_t SimTrimCar::trimByte(uint8_t pid) const
{
    // PIDs 0x06..0x09: short bank 1, long bank 1, short bank 2, long bank 2.
    const int index = pid - 0x06;
    const double a = 128.0 + trim(index / 2, index % 2 == 0) * kTrimCounts;
    return static_cast<uint8_t>(std::clamp(std::lround(a), 0L, 255L));
}

} // namespace kwsim
