#pragma once

#ifdef PRAMBLEGDIP_BUILD
#define PRAMBLEGDIP_API __declspec(dllexport)
#else
#define PRAMBLEGDIP_API __declspec(dllimport)
#endif

#include <Wfx.h>

#include <gdiplus.h>
