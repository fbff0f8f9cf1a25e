#include "CMapFromOBD.h"

#include "MapAxes.h"
#include "MapStepper.h"

#include <BlockWire.h>

#include <algorithm>
#include <numeric>

double CMapFromOBD::roundedMean(const std::vector<double>& values)
{
    if (values.empty())
        return 0.0;
    double mean = std::accumulate(values.begin(), values.end(), 0.0) / values.size();
    return blockwire::roundHalfAway(mean);
}

void CMapFromOBD::addSample(const CCorrMap& map, double rpm, double load, double stft1, double ltft1,
                            double stft2, double ltft2)
{
    if (load == 0 || stft1 == 0)
        return;
    int column, row;
    findAxisIndices(map, rpm, load, column, row);
    double trim = stft2 == 0 && ltft2 == 0 ? stft1 + ltft1 : (stft1 + ltft1 + stft2 + ltft2) * 0.5;
    const int i = row * CCorrMap::kCols + column;
    m_samples[i].push_back(trim);
    m_results[i] = roundedMean(m_samples[i]);
}

void CMapFromOBD::calculate()
{
    for (int i = 0; i < kCells; ++i)
        m_results[i] = roundedMean(m_samples[i]);
    smooth();
}

void CMapFromOBD::smooth()
{
    std::array<double, kCells> smoothed{};
    for (int l = 0; l < CCorrMap::kRows; ++l) {
        for (int r = 0; r < CCorrMap::kCols; ++r) {
            double sum = 0;
            int n = 0;
            for (int dl = -1; dl <= 1; ++dl)
                for (int dr = -1; dr <= 1; ++dr) {
                    const int ll = l + dl, rr = r + dr;
                    if (ll < 0 || ll >= CCorrMap::kRows || rr < 0 || rr >= CCorrMap::kCols)
                        continue;
                    sum += m_results[ll * CCorrMap::kCols + rr];
                    ++n;
                }
            smoothed[l * CCorrMap::kCols + r] = sum / n;
        }
    }
    m_results = smoothed;
}

void CMapFromOBD::clear()
{
    for (auto& list : m_samples)
        list.clear();
    m_results.fill(0.0);
}

CCorrMap CMapFromOBD::corrected(const CCorrMap& map) const
{
    CCorrMap out = map;
    for (int l = 0; l < CCorrMap::kRows; ++l)
        for (int r = 0; r < CCorrMap::kCols; ++r) {
            double v = blockwire::roundHalfAway(map.m_injMapTable[l][r] + result(l, r));
            out.m_injMapTable[l][r] = std::clamp(v, double(-MapStepper::kLimit), double(MapStepper::kLimit));
        }
    return out;
}
