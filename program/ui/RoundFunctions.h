#pragma once

// Rounding half away from zero to a whole number and to 1, 2 or 3 decimals,
// as the value lists compare and return their numbers.
double round0(double x);
double round1(double x);
double round2(double x);
double round3(double x);

// x rounded to `precision` decimals (0 to 3); any other precision leaves x as it is.
double roundToPrecision(double x, int precision);
