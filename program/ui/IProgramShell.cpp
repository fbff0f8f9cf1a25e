#include "IProgramShell.h"

IProgramShell* g_pShell = nullptr;
