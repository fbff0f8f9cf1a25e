#pragma once

#include <CCorrMap.h>

#include <array>
#include <vector>

// Collects the engine computer's fuel trims per map cell while the engine
// runs on gas and turns them into corrections: the rounded mean of each
// cell, smoothed over its neighbours.
class CMapFromOBD
{
public:
    static constexpr int kCells = CCorrMap::kRows * CCorrMap::kCols;

    virtual ~CMapFromOBD() = default;

    // One sample at the operating point (rpm, load) of the map's axes. Bank 2
    // counts only when it reports. A load or a short-term trim of exactly 0
    // means no reading and is dropped.
    void addSample(const CCorrMap& map, double rpm, double load, double stft1, double ltft1, double stft2,
                   double ltft2);
    void calculate();
    void smooth();
    void clear();

    // Result of cell (load index l, RPM index r) at l x 15 + r.
    const std::array<double, kCells>& results() const { return m_results; }
    double result(int row, int column) const { return m_results[row * CCorrMap::kCols + column]; }
    size_t sampleCount(int row, int column) const { return m_samples[row * CCorrMap::kCols + column].size(); }

    // The map with the results added, each cell rounded and kept within +-50.
    CCorrMap corrected(const CCorrMap& map) const;

    // A mean rounded half away from zero to a whole number.
    static double roundedMean(const std::vector<double>& values);

private:
    std::array<std::vector<double>, kCells> m_samples;
    std::array<double, kCells> m_results{};
};
