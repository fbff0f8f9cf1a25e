#pragma once

class CDiag;

// The newest live-data sample of the connected controller into `out`; false
// (and `out` untouched) without a controller, a connection or a sample yet.
bool newestSample(CDiag& out);
