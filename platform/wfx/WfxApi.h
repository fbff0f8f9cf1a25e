#pragma once

#ifdef WFX_BUILD
#define WFX_API __declspec(dllexport)
#else
#define WFX_API __declspec(dllimport)
#endif

#include <windows.h>

// An obsolete alias of GetTickCount that would rename CTime::GetCurrentTime.
#ifdef GetCurrentTime
#undef GetCurrentTime
#endif
