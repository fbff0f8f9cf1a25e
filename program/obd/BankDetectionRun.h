#pragma once

#include <cstdint>

class CWnd;

// The Detect button of the petrol OBD page: asks for the shift, then runs
// the injector bank detection with the wait window up and the program busy,
// so that no other handler starts in its waits while the page's timer keeps
// polling the trims. True when a new bank mask was written; `mask` holds it.
// Refused (false) while no controller may be changed.
bool runBankDetection(CWnd* page, uint8_t& mask);
