#pragma once

// Everything of the thread library in one include.
#include "CMultiThread.h"
#include "CSThread.h"
#include "CSendrelMutex.h"
#include "CThreadManager.h"
