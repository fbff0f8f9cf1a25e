#pragma once

#include <windows.h>

// A map value's cell colour: white at 0, towards red for richer (+51 red),
// towards yellow for leaner (-51 yellow).
COLORREF valueColor(double value);

// One tick of the operating point in a cell while value colouring is off:
// blue goes first, then green, so a cell turns from white through yellow
// to red the longer the engine runs there.
COLORREF darkenTrail(COLORREF color, double step);
