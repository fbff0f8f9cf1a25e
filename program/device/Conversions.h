#pragma once

#include <cstdint>

// Conversions between the controller's raw readings and physical units.
// The overloads without a settings argument read the settings of the current
// controller (g_pDevice); while there is none they use the record's defaults.

constexpr double kAdcStep = 5.0 / 255.0;   // volts per count of an 8-bit reading
constexpr double kTimeTick = 0.025;        // ms per count of a time value
constexpr double kRpmConstant = 4800000.0; // RPM = kRpmConstant / period word
constexpr int kMaxCylinders = 8;           // per-cylinder arrays hold 8 entries

int getCylinderCount();
// Compares the first n bytes (n = cylinder count, at most 8) under the
// cylinder mask; a position where a's masked byte is 0 matches anything.
bool equalByCylinders(const uint8_t* a, const uint8_t* b);
bool equalByCylinders(const uint8_t* a, const uint8_t* b, int cylinderCount);

double rawToVolts6(uint8_t raw);
double rawToVolts(uint8_t raw);
double voltsToRaw6(double volts);

double rawToPressure(uint8_t raw);
double pressureToRaw(double kPa);
// Bits 4 and 7 of m_advancedSetup.m_advancedFlags choose the sensor formula.
double rawToManifoldPressure(uint8_t raw);
double rawToManifoldPressure(uint8_t raw, uint8_t advancedFlags);
double manifoldPressureToRaw(double kPa);
double manifoldPressureToRaw(double kPa, uint8_t advancedFlags);

// Temperature curves: sensorCurve uses the engine sensor's column
// (m_temprEngineSensor), sensorCurve2 the gas sensor's (m_temprLPGSensor).
double sensorCurve(uint8_t raw);
double sensorCurve2(uint8_t raw);
double temperatureCurve(uint8_t raw, unsigned sensorType);
// First reading whose temperature is at most t; 0 when there is none.
int curveIndex(double tempr);
int curveIndex2(double tempr);
int temperatureCurveIndex(double tempr, unsigned sensorType);

double convertAdcMidScale(unsigned raw);
double adcMidScaleToRaw(double value);
double convertAdcMidScale2(unsigned raw);
double adcMidScale2ToRaw(double value);
double adcToVolts(unsigned raw);
double voltsToAdc(double volts);

// a * 1000 / b rounded half away from zero; 0 when b is 0.
double perThousandRounded(double a, double b);
