#pragma once

// Starts GDI+ once for the library's own decoding; never shut down, as the
// process may still draw with it while DLLs unload.
bool ensureGdiplus();
