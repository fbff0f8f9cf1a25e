#pragma once

#include <vector>

// The controller's working modes 3 to 5 are all gas.
bool isGasMode(unsigned char mode);

// The main correction indicator's value for a first correction c (ms).
int correctionIndicatorValue(double c, unsigned char injectorType);

// Samples to wait for while the engine settles after a switch.
int calibrationSamplesPerWait(double emulatorDelay, int cylinders);

// The share of a run done after `samples` samples, in percent.
int calibrationProgressPercent(int samples, int samplesPerWait, int cylinders, bool oneCylinder);

// Drops the differences far from a third of the middle one and averages the
// rest; false when none is left.
bool averageDifferences(std::vector<double> differences, double& mean);

// The listed cylinders of a bit set, taken alternately from the front and the back.
std::vector<int> frontBackOrder(unsigned bits, int cylinders);

// The corrections written on the way from `from` to `to`: 0.2 steps, then the rest.
std::vector<double> correctionSteps(double from, double to);
