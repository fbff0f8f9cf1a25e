#include "AutoMapMath.h"

#include <CDiag.h>
#include <Conversions.h>
#include <CSettingsRecord.h>
#include <RoundFunctions.h>

#include <algorithm>
#include <cmath>

namespace {
double limit50(double v)
{
    return std::clamp(v, -50.0, 50.0);
}

double fivePointMean(const CurveValues& v, int r)
{
    return (v[r - 2] + v[r - 1] + v[r] + v[r + 1] + v[r + 2]) / 5;
}
} // namespace

bool PointTable::decode(const unsigned char* bytes, unsigned size)
{
    if (size < kSize)
        return false;
    for (int i = 0; i < 31; ++i) {
        const unsigned char* s = bytes + 4 * i;
        sum[i] = uint32_t(s[0]) | uint32_t(s[1]) << 8 | uint32_t(s[2]) << 16 | uint32_t(s[3]) << 24;
        count[i] = uint16_t(bytes[124 + 2 * i] | bytes[125 + 2 * i] << 8);
    }
    progress = uint16_t(bytes[186] | bytes[187] << 8);
    return true;
}

void LoadPointSamples::clear()
{
    samples.clear();
    count = 0;
    mean = 0.0;
}

void LoadPointSamples::add(double sample)
{
    samples.push_back(sample);
    count = int(samples.size());
    double total = 0;
    for (double s : samples)
        total += s;
    mean = total / count;
}

double LoadPointSamples::closeMean() const
{
    double total = 0;
    int n = 0;
    for (double s : samples)
        if (std::fabs(s - mean) <= mean * 0.15) {
            total += s;
            ++n;
        }
    return n ? total / n : 0.0;
}

void filterTable(PointTable& table)
{
    std::array<long long, 31> step{};
    std::vector<long long> rising;
    for (int i = 1; i <= 30; ++i) {
        if (table.sum[i - 1] && table.sum[i] && table.count[i - 1] && table.count[i]) {
            step[i] = (long long)(table.sum[i] / table.count[i]) -
                      (long long)(table.sum[i - 1] / table.count[i - 1]);
            if (step[i] > 0)
                rising.push_back(step[i]);
        }
    }
    std::sort(rising.begin(), rising.end());
    double median = rising.empty() ? 0.0 : double(rising[rising.size() / 2]);
    for (int i = 1; i <= 30; ++i) {
        if (step[i] < 0 || step[i] < median * 0.5 || step[i] > median * 1.5) {
            table.sum[i] = 0;
            table.count[i] = 0;
        }
    }
}

bool cellLoadPoint(int cell, unsigned char pressureSensor, int& loadPoint)
{
    int pressure;
    if (pressureSensor & 0x10)
        pressure = int(rawToManifoldPressure(uint8_t(int(cell * 156.0 / 72 + 11))));
    else if (pressureSensor & 0x80)
        pressure = int(rawToManifoldPressure(uint8_t(int(cell * 156.0 / 54 + 11))));
    else if (3 * cell <= 72)
        pressure = int(round0(101 - rawToPressure(uint8_t(83 - 3 * cell))));
    else
        return false;
    if (pressureSensor & 0x40)
        pressure *= 2;
    loadPoint = pressure / 2;
    return loadPoint >= 0 && loadPoint < kLoadPoints;
}

void addTablePoints(const PointTable& table, unsigned char pressureSensor, LoadPoints& points)
{
    for (int cell = 2; cell <= 30; ++cell) {
        int k = 0;
        if (!table.count[cell] || !cellLoadPoint(cell, pressureSensor, k))
            continue;
        double t = round2(double(table.sum[cell]) / table.count[cell] * 0.004);
        if (t > 0)
            for (int n = 0; n < 11; ++n)
                points[k].add(t);
    }
}

int collectionProgress(uint16_t counter)
{
    return int(10 * round0(counter * 2 * 100.0 / 60000));
}

CurveValues countCorrection(const LoadPoints& petrol, const LoadPoints& gas)
{
    std::array<std::vector<double>, kCurveRows> rows;
    for (int k = 0; k < kLoadPoints; ++k) {
        double pm = petrol[k].count > 10 ? petrol[k].closeMean() : 0.0;
        double gm = gas[k].count > 10 ? gas[k].closeMean() : 0.0;
        // A point without both means says nothing about any row.
        if (pm > 0 && gm > 0)
            rows[petrolTimeToMapRow(pm)].push_back((gm - pm) * 100 / pm * 0.8);
    }
    CurveValues v{};
    for (int r = 0; r < kCurveRows; ++r) {
        double total = 0;
        for (double c : rows[r])
            total += c;
        v[r] = rows[r].empty() ? 0.0 : limit50(total / rows[r].size());
    }
    int start = 0, end = kCurveRows - 1;
    for (int r = 0; r < kCurveRows - 1; ++r)
        if (v[r] == 0 && v[r + 1] != 0) {
            start = r + 1;
            break;
        }
    for (int r = kCurveRows - 1; r >= 1; --r)
        if (v[r] == 0 && v[r - 1] != 0) {
            end = r - 1;
            break;
        }
    for (int r = 0; r < kCurveRows; ++r) {
        if (r < start)
            v[r] = v[start];
        if (r > end)
            v[r] = v[end];
    }
    v[0] = 0;
    CurveValues s{};
    for (int r = 2; r <= 36; ++r)
        s[r] = fivePointMean(v, r);
    s[1] = s[2] / 2;
    s[38] = v[38];
    s[37] = (v[38] + s[36]) / 2;
    return s;
}

void addCorrection(CurveValues& a, const CurveValues& correction, bool locked, int lockRow)
{
    int first = locked ? lockRow : 0;
    for (int r = first; r < kCurveRows; ++r)
        a[r] += round0(correction[r]);
    if (locked) // the last row has one neighbour
        a[lockRow] = lockRow < kCurveRows - 1 ? (a[lockRow - 1] + a[lockRow + 1]) / 2 : a[lockRow - 1];
    for (double& value : a)
        value = limit50(value);
}

void smoothCurve(CurveValues& a, bool locked, int lockRow)
{
    CurveValues w = a;
    int first = locked ? std::max(lockRow, 2) : 2;
    for (int r = first; r <= 36; ++r)
        w[r] = fivePointMean(a, r);
    w[1] = (a[0] + w[2]) / 2;
    w[37] = (a[38] + w[36]) / 2;
    for (int r = 0; r < kCurveRows; ++r)
        a[r] = limit50(round0(w[r]));
}

int lockRowIndex(uint16_t flags3, double lockTime)
{
    int row = 6;
    if (flags3 & 0x0080)
        row = lockTime <= 1.0 ? 2 : int(2 * lockTime);
    if (flags3 & 0x1000)
        row /= 2;
    return std::clamp(row, 1, kCurveRows - 1);
}

CurveValues curveA(const CSettingsRecord& r)
{
    CurveValues a{};
    for (int row = 0; row < kCurveRows; ++row)
        a[row] = r.m_setupTimes1[row / 3][row % 3];
    return a;
}

void setCurve(CSettingsRecord& r, const CurveValues& a, bool copyToB)
{
    for (int row = 0; row < kCurveRows; ++row) {
        r.m_setupTimes1[row / 3][row % 3] = a[row];
        if (copyToB)
            r.m_setupTimes2[row / 3][row % 3] = a[row];
    }
    r.m_tableMask = 0;
}
