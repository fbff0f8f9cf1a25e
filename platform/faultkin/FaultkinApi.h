#pragma once

#ifdef FAULTKIN_BUILD
#define FAULTKIN_API __declspec(dllexport)
#else
#define FAULTKIN_API __declspec(dllimport)
#endif
