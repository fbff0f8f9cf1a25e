#pragma once

// Everything of the system utility library in one include.
#include "CEventLog.h"
#include "CPefrCounterError.h"
#include "CPerformanceCouner.h"
#include "CSystemInfo.h"
