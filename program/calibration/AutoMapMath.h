#pragma once

#include <array>
#include <cstdint>
#include <vector>

class CSettingsRecord;

// One of the controller's two point tables (petrol, gas): per manifold-pressure
// cell the summed injection times (4 us units) and their number.
struct PointTable
{
    std::array<uint32_t, 31> sum{};
    std::array<uint16_t, 31> count{};
    uint16_t progress = 0;

    static const unsigned kSize = 188;
    // False when fewer than kSize bytes.
    bool decode(const unsigned char* bytes, unsigned size);
};

struct LoadPointSamples
{
    std::vector<double> samples;
    int count = 0;
    double mean = 0.0;

    void clear();
    void add(double sample);
    // The mean of the samples within 15 % of the mean; 0 when none.
    double closeMean() const;
};

const int kLoadPoints = 75;
const int kCurveRows = 39;
using LoadPoints = std::array<LoadPointSamples, kLoadPoints>;
using CurveValues = std::array<double, kCurveRows>;

// Clears the cells whose mean time does not rise like the others.
void filterTable(PointTable& table);
// The load point (0..74) of a table cell; false when the cell has none.
bool cellLoadPoint(int cell, unsigned char pressureSensor, int& loadPoint);
// Adds the cells' mean times to their load points, 11 samples each.
void addTablePoints(const PointTable& table, unsigned char pressureSensor, LoadPoints& points);
// The bar position (0..1000) of a table's collection counter.
int collectionProgress(uint16_t counter);

// The smoothed correction per curve row from the petrol and gas load points.
CurveValues countCorrection(const LoadPoints& petrol, const LoadPoints& gas);
// Adds the correction to the curve's A values, above the lock row when locked.
void addCorrection(CurveValues& a, const CurveValues& correction, bool locked, int lockRow);
// Five-point smoothing of the curve, rows below the lock row kept when locked.
void smoothCurve(CurveValues& a, bool locked, int lockRow);
// The curve row below which corrections are locked, from the flags and the lock time.
int lockRowIndex(uint16_t flags3, double lockTime);

// The A values of the record's time correction curve.
CurveValues curveA(const CSettingsRecord& r);
// A of every row from `a`, and B too when `copyToB`; the table-mask byte is
// cleared, as the tables no longer match it.
void setCurve(CSettingsRecord& r, const CurveValues& a, bool copyToB);
