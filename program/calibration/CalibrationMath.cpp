#include "CalibrationMath.h"

#include <RoundFunctions.h>

#include <algorithm>
#include <cmath>

bool isGasMode(unsigned char mode)
{
    return mode >= 3 && mode <= 5;
}

int correctionIndicatorValue(double c, unsigned char injectorType)
{
    static const unsigned char bigInjectors[] = {1, 6, 15, 16, 21, 23};
    bool big =
        std::find(std::begin(bigInjectors), std::end(bigInjectors), injectorType) != std::end(bigInjectors);
    return int(100 - c * (big ? 33.3333 : 50.0));
}

int calibrationSamplesPerWait(double emulatorDelay, int cylinders)
{
    return std::max(50, int(emulatorDelay * 2.5 * cylinders * 0.25));
}

int calibrationProgressPercent(int samples, int samplesPerWait, int cylinders, bool oneCylinder)
{
    int total = oneCylinder ? samplesPerWait * (cylinders + 2) + 40 * (cylinders + 2) + 15
                            : samplesPerWait * 8 + 40 * 7 + 15;
    return int(round0(samples * 100.0 / total));
}

bool averageDifferences(std::vector<double> differences, double& mean)
{
    if (differences.empty())
        return false;
    std::sort(differences.begin(), differences.end());
    double ref = differences[differences.size() / 2] / 3;
    double sum = 0;
    int kept = 0;
    for (double d : differences) {
        if (ref == 0 || std::fabs((ref - d) / ref) < 10) {
            sum += d;
            ++kept;
        }
    }
    if (kept == 0)
        return false;
    mean = sum / kept;
    return true;
}

std::vector<int> frontBackOrder(unsigned bits, int cylinders)
{
    std::vector<int> listed;
    for (int i = 0; i < cylinders; ++i)
        if (bits & (1u << i))
            listed.push_back(i);
    std::vector<int> order;
    size_t front = 0, back = listed.size();
    while (front < back) {
        order.push_back(listed[front++]);
        if (front < back)
            order.push_back(listed[--back]);
    }
    return order;
}

std::vector<double> correctionSteps(double from, double to)
{
    double delta = to - from;
    int n = int(delta * 100 / 20);
    std::vector<double> steps;
    double value = from;
    for (int i = 0; i < std::abs(n); ++i) {
        value += n > 0 ? 0.2 : -0.2;
        steps.push_back(value);
    }
    steps.push_back(value + (delta - n * 0.2));
    return steps;
}
